#include "app/ui/MainWindow.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "input/ui/RowsBox.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/MissingValueGroup.h"
#include "templates/DataTemplate.h"
#include "templates/TemplateEditing.h"
#include "templates/TemplateStore.h"
#include "templates/ui/TemplateComboBox.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/ReadableBox.h"
#include "testing/ui/Screenshot.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

struct MainWindowTest : ::testing::Test {
    ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(CLIMORA_SHIPPED_DIR, messenger, dialogs, opener);
};

// A screen reader names a control by its accessible name, its own caption
// or the label it is the buddy of.
bool hasAccessibleName(QWidget* w) {
    if (!w->accessibleName().isEmpty())
        return true;
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
        return true;
    for (QLabel* label : w->window()->findChildren<QLabel*>())
        if (label->buddy() == w)
            return true;
    return false;
}

} // namespace

TEST_F(MainWindowTest, StartsWithShippedSettingsAndWritesSevenLinesAtExit) {
    EXPECT_EQ(window->windowTitle(), "Climora");
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_TRUE(std::filesystem::exists(home.workFolder() / "TemplateList.clx"));
    EXPECT_EQ(window->missingValueGroup()->settings().sign, "-99");
    EXPECT_TRUE(window->missingValueGroup()->settings().enabled);
    EXPECT_FALSE(window->inputGroup()->spacer()->isEnabled());
    window->show();
    climora::testing::saveScreenshot(window.get(), "main-window");
    window->spacerAction()->trigger();
    EXPECT_TRUE(window->inputGroup()->spacer()->isEnabled());
    window->close();
    std::string folder = home.workFolder().string() + "/";
    EXPECT_EQ(readBytes(home.workFolder() / "Option.clx"),
              "\r\n\r\n0\r\n0\r\n1\r\n1\r\n-99\t0.01\r\n");
}

TEST_F(MainWindowTest, OpeningAFileFillsPanelAndName) {
    TempFolder dir;
    writeBytes(dir / "station.txt", "Header\r\n2015 1 1\r\n");
    dialogs.nextOpen = FileChoice{(dir / "station.txt").string(), 1};
    window->openInputFile();
    EXPECT_EQ(window->inputNameBox()->text(), "station.txt");
    EXPECT_EQ(window->inputGroup()->panelLines(), (std::vector<std::string>{"Header", "2015 1 1"}));
    EXPECT_EQ(window->frame().defaultInputFolder, dir.path().string() + "/");

    writeBytes(dir / "bin.dat", std::string("\0\1\2", 3));
    dialogs.nextOpen = FileChoice{(dir / "bin.dat").string(), 2};
    window->openInputFile();
    EXPECT_EQ(window->inputNameBox()->text(), "bin.dat");
    EXPECT_EQ(window->inputGroup()->panel()->toPlainText(), "");
    EXPECT_EQ(messenger.events().back(),
              "error: The file can't be opened because it is not a text file");
}

TEST_F(MainWindowTest, SlotsFollowTheVariableAndResetRules) {
    ColumnSlotsWidget* slotsWidget = window->inputGroup()->slotsWidget();
    slotsWidget->variableBox(0)->setCurrentIndex(Solar);
    EXPECT_EQ(slotsWidget->unitBox(0)->count(), 3);
    EXPECT_EQ(slotsWidget->unitBox(0)->currentIndex(), -1);
    slotsWidget->variableBox(1)->setCurrentIndex(RelHum);
    EXPECT_EQ(slotsWidget->unitBox(1)->currentText(), "%");
    slotsWidget->unitBox(0)->setCurrentIndex(2);
    EXPECT_EQ(slotsWidget->columnSlots()[0].unitText(), "W/m2");

    RowsBox* rows = window->inputGroup()->rowsBox();
    rows->downArrow()->click();
    EXPECT_EQ(rows->text(), "1");
    rows->upArrow()->click();
    rows->upArrow()->click();
    EXPECT_EQ(rows->text(), "0");

    window->inputGroup()->resetButton()->click();
    EXPECT_EQ(rows->text(), "");
    EXPECT_EQ(slotsWidget->variableBox(0)->currentIndex(), -1);
    EXPECT_EQ(slotsWidget->unitBox(0)->count(), 3);
    EXPECT_EQ(slotsWidget->columnSlots()[1].variable, NoVariable);
}

TEST_F(MainWindowTest, SpacerMovesTheBoxes) {
    window->spacerAction()->trigger();
    window->inputGroup()->spacer()->setValue(-20);
    ColumnSlotsWidget* slotsWidget = window->inputGroup()->slotsWidget();
    EXPECT_EQ(slotsWidget->variableBox(1)->x() - slotsWidget->variableBox(0)->x(), 36);
    EXPECT_EQ(slotsWidget->unitBox(11)->width(), 42);
}

TEST_F(MainWindowTest, EveryControlHasANameForScreenReaders) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        bool control = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                       qobject_cast<QAbstractButton*>(w) || qobject_cast<QPlainTextEdit*>(w);
        if (!control || w->objectName().startsWith("qt_") || !w->parentWidget() ||
            qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QSpinBox*>(w->parentWidget()))
            continue;
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
        EXPECT_TRUE(hasAccessibleName(w)) << w->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, FitsASmallScreen) {
    window->show();
    EXPECT_LE(window->minimumSizeHint().width(), 1024);
    EXPECT_LE(window->minimumSizeHint().height(), 700);
    window->resize(1024, 700);
    climora::testing::saveScreenshot(window.get(), "main-window-small");
}

TEST_F(MainWindowTest, ElasticWindowScalesTheFontWithTheWindow) {
    window->resize(1024, 700);
    window->show();
    double before = window->centralWidget()->font().pointSizeF();
    window->elasticAction()->trigger();
    window->resize(1536, 1050);
    EXPECT_NEAR(window->centralWidget()->font().pointSizeF(), before * 1.5, 0.1);
    window->elasticAction()->trigger(); // off: sizes stay as they are
    window->resize(1024, 700);
    EXPECT_NEAR(window->centralWidget()->font().pointSizeF(), before * 1.5, 0.1);
}

TEST_F(MainWindowTest, HorizontalScrollBarFollowsTheMenu) {
    QPlainTextEdit* panel = window->inputGroup()->panel();
    EXPECT_EQ(panel->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    window->horizontalScrollAction()->trigger();
    EXPECT_EQ(panel->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(panel->lineWrapMode(), QPlainTextEdit::NoWrap);
}

namespace {

void chooseSlots(ColumnSlotsWidget* slotsWidget) {
    const int variables[] = {Year,   Month,  Day,    Solar,  TMax,  TMin,
                             Precip, RelHum, WndSpd, Ignore, SunHr, YYDOY};
    const int units[] = {-1, -1, -1, 2, 1, 1, 2, 0, 1, -1, 0, -1};
    for (int k = 0; k < slotCount; ++k) {
        slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
        slotsWidget->unitBox(k)->setCurrentIndex(units[k]);
    }
}

std::vector<std::pair<int, int>> selections(ColumnSlotsWidget* slotsWidget) {
    std::vector<std::pair<int, int>> shown;
    for (int k = 0; k < slotCount; ++k)
        shown.emplace_back(slotsWidget->variableBox(k)->currentIndex(),
                           slotsWidget->unitBox(k)->currentIndex());
    return shown;
}

} // namespace

TEST_F(MainWindowTest, TemplatesSurviveARestart) {
    ColumnSlotsWidget* slotsWidget = window->inputGroup()->slotsWidget();
    chooseSlots(slotsWidget);
    window->inputGroup()->rowsBox()->setText("7");
    auto chosen = selections(slotsWidget);
    TemplateStore store(*window->frame().workFolder);
    RecordingMessenger quiet;
    ASSERT_EQ(saveTemplate(store, store.loadNames(),
                           templateFromSlots("7", slotsWidget->columnSlots(), "Mine"), quiet)
                  .status,
              EditStatus::Done);
    window->close();
    window = std::make_unique<MainWindow>(CLIMORA_SHIPPED_DIR, messenger, dialogs, opener);
    slotsWidget = window->inputGroup()->slotsWidget();
    EXPECT_EQ(slotsWidget->variableBox(0)->currentIndex(), -1);

    window->retrieveLastSessionTemplate(); // written at the close
    EXPECT_EQ(selections(slotsWidget), chosen);
    EXPECT_EQ(window->inputGroup()->rowsBox()->text(), "7");

    window->inputGroup()->resetButton()->click();
    TemplateComboBox* box = window->templateBox();
    box->selectPosition(box->findText("Mine"));
    window->applySelectedTemplate();
    EXPECT_EQ(selections(slotsWidget), chosen);
    EXPECT_EQ(window->inputGroup()->rowsBox()->text(), "7");
    EXPECT_TRUE(messenger.events().empty());
}

namespace {

void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A left click where a real mouse would land: on the widget under the point.
void clickAt(QWidget* window, QWidget* control) {
    QPoint point = control->mapTo(window, control->rect().center());
    QWidget* under = window->childAt(point);
    ASSERT_NE(under, nullptr);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(window, point));
}

} // namespace

// After a click on the rows box or one of its arrows, Shift+F1 opens the
// box's topic; the box still takes no typing.
TEST_F(MainWindowTest, ClickOnTheRowsBoxGivesItsContextHelp) {
    struct Case {
        const char* control;
        QString rowsAfterClick;
    };
    const Case cases[] = {{"rowsBeforeDataBox", ""}, {"rowsDown", "1"}, {"rowsUp", "0"}};
    RowsBox* rows = window->inputGroup()->rowsBox();
    for (const Case& c : cases) {
        activate(window.get());
        window->inputGroup()->panel()->setFocus(); // working in the panel first
        clickAt(window.get(), window->findChild<QWidget*>(c.control));
        EXPECT_EQ(rows->text(), c.rowsAfterClick) << c.control;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        EXPECT_EQ(rows->text(), c.rowsAfterClick) << c.control;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
        ASSERT_NE(HelpWindow::current(), nullptr) << c.control;
        EXPECT_EQ(HelpWindow::current()->topic(), help::rowsBeforeData) << c.control;
        delete HelpWindow::current();
    }
}

TEST_F(MainWindowTest, ClosingTheWindowClosesTheHelpSoTheProgramEnds) {
    window->show();
    openHelp(window->workFolder(), help::inputPanel);
    window->close();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    delete HelpWindow::current();
}

// With "  Elastic window" stored checked the window starts at its own size
// and scale; later resizes scale everything, the Process button included.
TEST_F(MainWindowTest, StoredElasticWindowScalesFromTheStartingSize) {
    const double base = window->centralWidget()->font().pointSizeF();
    writeBytes(home.workFolder() / "Option.clx", "\r\n\r\n1\r\n0\r\n0\r\n1\r\n-99\t0.01\r\n");
    window = std::make_unique<MainWindow>(CLIMORA_SHIPPED_DIR, messenger, dialogs, opener);
    ASSERT_TRUE(window->elasticAction()->isChecked());
    window->resize(1024, 700); // as the program fits the window to the screen
    window->show();
    climora::testing::saveScreenshot(window.get(), "main-window-elastic-start");
    const QSize start = window->size();
    auto* process = window->findChild<QPushButton*>("processButton");
    for (double factor : {1.0, 1.25, 1.5}) {
        window->resize(start * factor);
        EXPECT_NEAR(window->centralWidget()->font().pointSizeF(), base * factor, 0.1) << factor;
        EXPECT_NEAR(process->font().pointSizeF(), base * factor, 0.1) << factor;
    }
}

// Every task reads whole in the task list, closed and open, on a small screen.
TEST_F(MainWindowTest, EveryTaskReadsWholeInTheTaskList) {
    window->resize(1024, 700);
    window->show();
    auto* list = window->findChild<QComboBox*>("taskList");
    climora::testing::expectWideEnoughList(list);
    for (int task = 0; task < list->count(); ++task) {
        list->setCurrentIndex(task);
        climora::testing::expectWholeText(list, Qt::TextWordWrap);
    }
}

// Whatever replaces the input panel's text, Ctrl+Z brings the text back.
TEST_F(MainWindowTest, CtrlZUndoesEveryReplacementOfTheInputPanel) {
    const std::pair<const char*, std::function<void(MainWindow&)>> replacements[] = {
        {"load back",
         [](MainWindow& w) {
             w.outputGroup()->setOutputLines({"Title", "2005\t1"});
             w.outputGroup()->findChild<QPushButton*>("Button7")->click();
         }},
        {"capture", [](MainWindow& w) { w.setInputText("Captured page\n2005 1"); }},
        {"tool", [](MainWindow& w) { w.alignInputData(); }},
    };
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QPlainTextEdit* panel = window->inputGroup()->panel();
    for (const auto& [name, replace] : replacements) {
        window->setInputName("station.txt");
        window->inputGroup()->rowsBox()->setText("1");
        window->inputGroup()->setPanelLines({"Year  DOY", "2005 1"});
        replace(*window);
        ASSERT_NE(panel->toPlainText(), "Year  DOY\n2005 1") << name;
        panel->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == panel; }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(panel->toPlainText(), "Year  DOY\n2005 1") << name;
    }
}
