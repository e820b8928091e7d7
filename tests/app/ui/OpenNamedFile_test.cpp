#include "app/ui/AppIcon.h"
#include "app/ui/MainWindow.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

using Lines = std::vector<std::string>;

struct OpenNamedFileTest : ::testing::Test {
    ScopedDataHome home;
    TempFolder dir;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    MainWindow window{CLIMORA_SHIPPED_DIR, messenger, dialogs, opener};

    OpenNamedFileTest() {
        writeBytes(dir / "station.txt", "Header\r\n2015 1 1\r\n");
        writeBytes(dir / "binary.dat", std::string("\0\1\2", 3));
    }

    // Drags the file onto the panel and drops it there, as a file manager does.
    void dropOnPanel(const QString& file) {
        QWidget* target = window.inputGroup()->panel()->viewport();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QPoint point = target->rect().center();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        // The file opens once the drop has returned.
        EXPECT_TRUE(QTest::qWaitFor([this] {
            return !window.inputNameBox()->text().isEmpty() || !messenger.events().empty();
        }));
    }
};

struct NamedFileCase {
    const char* file;
    const char* name; // in the input-name box afterwards
    Lines panel;      // the input panel afterwards
    Lines output;     // the output panel afterwards
    Lines messages;
    bool folderMoves; // the default input folder becomes the file's folder
};

} // namespace

// Opening a named file follows the open command: a text file replaces the
// panel and clears the output, a file that is not text leaves an empty panel
// and the output; a name that is no file changes nothing.
TEST_F(OpenNamedFileTest, OpensLikeTheOpenCommandFromCommandLineAndDrop) {
    const std::string missing = (dir / "missing.txt").string();
    const NamedFileCase cases[] = {
        {"station.txt", "station.txt", {"Header", "2015 1 1"}, {}, {}, true},
        {"binary.dat",
         "binary.dat",
         {""},
         {"earlier output"},
         {"tone: error", "error: The file can't be opened because it is not a text file"},
         true},
        {"missing.txt",
         "",
         {"typed by hand"},
         {"earlier output"},
         {"tone: error", "error: Cannot open file \"" + missing + "\"."},
         false},
    };
    const std::string startFolder = window.frame().defaultInputFolder;
    for (bool dropped : {false, true}) {
        for (const NamedFileCase& c : cases) {
            SCOPED_TRACE(std::string(c.file) + (dropped ? " dropped" : " named"));
            window.setInputName("");
            window.inputGroup()->setPanelLines({"typed by hand"});
            window.outputGroup()->setOutputLines({"earlier output"});
            window.frame().defaultInputFolder = startFolder;
            messenger.clear();
            QString path = QString::fromStdString((dir / c.file).string());
            if (dropped)
                dropOnPanel(path);
            else
                window.openInputFile(path);
            EXPECT_EQ(window.inputNameBox()->text().toStdString(), c.name);
            EXPECT_EQ(window.inputGroup()->panelLines(), c.panel);
            EXPECT_EQ(window.outputGroup()->outputLines(), c.output);
            EXPECT_EQ(messenger.events(), c.messages);
            EXPECT_EQ(window.frame().defaultInputFolder,
                      c.folderMoves ? dir.path().string() + "/" : startFolder);
        }
    }
}

// Text dragged from another program still drops into the panel as text.
TEST_F(OpenNamedFileTest, DroppedTextIsNotTakenForAFile) {
    QWidget* target = window.inputGroup()->panel()->viewport();
    QMimeData data;
    data.setText(QStringLiteral("2015 1 1"));
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    EXPECT_NE(window.inputGroup()->panel()->toPlainText().indexOf("2015 1 1"), -1);
    EXPECT_EQ(window.inputNameBox()->text(), "");
}

// The icon draws from its SVG at the smallest size a desktop asks for.
TEST(AppIconTest, DrawsAtSmallAndLargeSizes) {
    for (int size : {16, 48, 128}) {
        SCOPED_TRACE(size);
        QImage image = climoraIcon().pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, size * size / 2);
        QRgb sky = image.pixel(size / 8, size / 5);
        QRgb field = image.pixel(size / 2, size * 15 / 16);
        EXPECT_GT(qBlue(sky), qGreen(sky) / 2 + 40) << "sky at the top";
        EXPECT_GT(qGreen(field), qRed(field) + 30) << "field at the bottom";
    }
}
