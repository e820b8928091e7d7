#include "app/ui/QtFileDialogs.h"
#include "prefs/ui/WhenModal.h"
#include "testing/TempFolder.h"

#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
using climora::testing::whenModalOpens;
using climora::testing::writeBytes;

// Qt reads a filter's patterns from its last parentheses, so each filter
// shows its patterns there once; "*.*" means every file, as it does where
// the captions come from.
TEST(QtFilters, ShowEachPatternOnceAndLetAllFilesMeanEveryFile) {
    struct Case {
        std::string filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"Text file (*.txt)|*.txt|All files|*.*", {"Text file (*.txt)", "All files (*)"}},
        {"Text files(*.txt)|*.txt|Allfiles (*.*)|*.*", {"Text files(*.txt)", "Allfiles (*)"}},
        {"Agrovia weather file (.wth)|*.wth|All files(*.*)|*.*",
         {"Agrovia weather file (*.wth)", "All files (*)"}},
        {"Webpage files (*.mht; *.htm; *.html)|*.mht;*.htm;*.html|All files (*.*)|*.*",
         {"Webpage files (*.mht *.htm *.html)", "All files (*)"}},
        {"Agrovia weather file (*.wth)|*.wth", {"Agrovia weather file (*.wth)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtFilters(c.filter), c.expected) << c.filter;
}

namespace {

QStringList listedFiles(QFileDialog* dialog) {
    QStringList names;
    auto* list = dialog->findChild<QListView*>("listView");
    if (!list || !list->model())
        return names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    return names;
}

} // namespace

TEST(QtFileDialogsTest, AllFilesListsAFileWithoutADot) {
    TempFolder folder;
    writeBytes(folder / "station", "2015 1 1\r\n");
    writeBytes(folder / "notes.txt", "x\r\n");
    QStringList listed;
    whenModalOpens<QFileDialog>([&listed](QFileDialog* dialog) {
        (void)QTest::qWaitFor([&] { return listedFiles(dialog).size() >= 2; }, 3000);
        listed = listedFiles(dialog);
        dialog->reject();
    });
    QtFileDialogs dialogs;
    FileDialogRequest request;
    request.startFolder = folder.path().string();
    request.filter = "Text file (*.txt)|*.txt|All files|*.*";
    request.filterIndex = 2;
    EXPECT_FALSE(dialogs.openFile(request));
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"notes.txt", "station"}));
}
