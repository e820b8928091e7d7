#include "ExplorerTesting.h"

#include "explorer/ui/FavoriteDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace climora;
using namespace climora::testing;
using Lines = std::vector<std::string>;
using Events = std::vector<std::string>;

namespace {

template <typename Dialog> Dialog* openDialog(QWidget* explorer, const char* actionName) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // closed dialogs go
    action(explorer, actionName)->trigger();
    auto* dialog = explorer->findChild<Dialog*>();
    EXPECT_NE(dialog, nullptr);
    if (dialog) {
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal); // the explorer waits
    }
    return dialog;
}

void press(QDialog* dialog, const char* buttonName) {
    auto* button = dialog->findChild<QPushButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName;
    button->click();
}

QStringList favoriteEntries(QWidget* explorer) {
    QStringList captions;
    const QList<QAction*> entries = explorer->findChild<QMenu*>("favoritesMenu")->actions();
    for (qsizetype i = 4; i < entries.size(); ++i)
        captions << entries[i]->text();
    return captions;
}

} // namespace

class FavoritesUiTest : public ExplorerTest {
  protected:
    Lines names() { return readTextLines(work / "FavoriteNames.clx"); }
    Lines addresses() { return readTextLines(work / "FavoriteURLs.clx"); }

    // Shows a page and saves it as a favourite under its title (the title
    // can come a moment after the page has loaded).
    void addFavorite(const QString& page, const QString& title) {
        goTo(page);
        ASSERT_TRUE(waitUntil([&] { return explorer->documentTitle() == title; }));
        auto* dialog = openDialog<AddFavoriteDialog>(explorer, "addFavoriteAction");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(waitUntil([&] { return dialog->nameBox()->text() == title; }));
        QTest::keyClick(dialog->nameBox(), Qt::Key_Return);
        QTest::qWait(0);
    }
};

TEST_F(FavoritesUiTest, AddedFavoritesFillTheMenuAndOpenTheirPages) {
    QString one = writePage("one.html", "One", "1"), two = writePage("two.html", "Two", "2"),
            three = writePage("three.html", "Three & more", "3");
    openExplorer();
    EXPECT_TRUE(favoriteEntries(explorer).isEmpty());
    addFavorite(one, "One");
    addFavorite(two, "Two");
    addFavorite(three, "Three & more");
    EXPECT_EQ(names(), (Lines{"One", "Two", "Three & more"}));
    EXPECT_EQ(addresses(), (Lines{one.toStdString(), two.toStdString(), three.toStdString()}));
    EXPECT_EQ(favoriteEntries(explorer), (QStringList{"One", "Two", "Three && more"}));

    ASSERT_TRUE(loads([&] { action(explorer, "favorite2")->trigger(); }));
    EXPECT_EQ(explorer->view()->url().toString(), two);
    EXPECT_EQ(explorer->addressText(), two);
}

TEST_F(FavoritesUiTest, AddDialogRefusesASavedNameAndScrollsOverTheWidest) {
    writeTextLines(work / "FavoriteNames.clx", {"Short", "A much longer favourite name"});
    writeTextLines(work / "FavoriteURLs.clx", {"http://127.0.0.1:9/a", "http://127.0.0.1:9/b"});
    openExplorer();
    auto* dialog = openDialog<AddFavoriteDialog>(explorer, "addFavoriteAction");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(waitUntil([&] { return dialog->nameBox()->text() == "Home"; }));
    ASSERT_EQ(dialog->savedNames()->count(), 2);
    int widest =
        dialog->savedNames()->fontMetrics().horizontalAdvance("A much longer favourite name");
    EXPECT_EQ(dialog->savedNames()->item(0)->sizeHint().width(), widest + 100);

    dialog->nameBox()->setText("Short");
    press(dialog, "saveButton");
    EXPECT_EQ(host->recorder.events(),
              (Events{"tone: error", "plain: The name is already used. Specify a new name."}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(names().size(), 2u);

    dialog->nameBox()->setText("short"); // another letter case is another name
    press(dialog, "saveButton");
    QTest::qWait(0);
    EXPECT_EQ(names(), (Lines{"Short", "A much longer favourite name", "short"}));
    EXPECT_EQ(addresses().size(), 3u);
    EXPECT_EQ(favoriteEntries(explorer).size(), 3);
}

TEST_F(FavoritesUiTest, ManageRenamesAndDeletesKeepingTheFilesAligned) {
    writeTextLines(work / "FavoriteNames.clx", {"One", "Two", "Three"});
    writeTextLines(work / "FavoriteURLs.clx",
                   {"http://127.0.0.1:9/1", "http://127.0.0.1:9/2", "http://127.0.0.1:9/3"});
    openExplorer();
    rememberedFavoritePosition() = 0;

    auto* dialog = openDialog<ManageFavoritesDialog>(explorer, "manageFavoritesAction");
    ASSERT_NE(dialog, nullptr);
    FavoriteNamesBox* box = dialog->namesBox();
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->maxVisibleItems(), 3);

    // Accept with nothing chosen from the list, or without a name: ignored.
    box->hidePopup();
    box->setEditText("Renamed");
    press(dialog, "acceptButton");
    box->setEditText("");
    press(dialog, "acceptButton");
    EXPECT_EQ(host->recorder.events(), (Events(2, "tone: exclamation")));

    // Rename: choose "Three" from the list, edit, Enter.
    chooseFromList(box, 2);
    box->setEditText("Third");
    ASSERT_EQ(focusOn(box), box);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(box->itemText(2), "Third");
    EXPECT_EQ(host->recorder.events(), (Events(3, "tone: exclamation")));
    EXPECT_EQ(rememberedFavoritePosition(), 2);

    // Delete "Two": the address goes at once.
    box->setCurrentIndex(1);
    press(dialog, "deleteButton");
    EXPECT_EQ(addresses(), (Lines{"http://127.0.0.1:9/1", "http://127.0.0.1:9/3"}));
    EXPECT_EQ(names().size(), 3u);
    EXPECT_EQ(box->currentIndex(), -1); // a short pause, then the first name
    EXPECT_TRUE(waitUntil([&] { return box->currentIndex() == 0; }));

    press(dialog, "closeButton");
    QTest::qWait(0);
    EXPECT_EQ(names(), (Lines{"One", "Third"}));
    EXPECT_EQ(addresses(), (Lines{"http://127.0.0.1:9/1", "http://127.0.0.1:9/3"}));
    EXPECT_EQ(favoriteEntries(explorer), (QStringList{"One", "Third"}));
}

TEST_F(FavoritesUiTest, ManageAcceptRenamesTheFavoriteJustChosen) {
    writeTextLines(work / "FavoriteNames.clx", {"One", "Two", "Three"});
    writeTextLines(work / "FavoriteURLs.clx", {"u1", "u2", "u3"});
    openExplorer();
    auto* dialog = openDialog<ManageFavoritesDialog>(explorer, "manageFavoritesAction");
    ASSERT_NE(dialog, nullptr);
    FavoriteNamesBox* box = dialog->namesBox();
    struct Rename {
        int chosen;
        QString name;
        QStringList names;
    };
    for (const Rename& rename :
         {Rename{0, "Uno", {"Uno", "Two", "Three"}}, Rename{2, "Tres", {"Uno", "Two", "Tres"}},
          Rename{1, "Dos", {"Uno", "Dos", "Tres"}}}) {
        chooseFromList(box, rename.chosen);
        ASSERT_EQ(focusOn(box), box);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), rename.name);
        pressKey(Qt::Key_Return);
        QStringList names;
        for (int i = 0; i < box->count(); ++i)
            names << box->itemText(i);
        EXPECT_EQ(names, rename.names) << rename.name.toStdString();
        EXPECT_EQ(rememberedFavoritePosition(), rename.chosen);
    }
    press(dialog, "closeButton");
    EXPECT_EQ(names(), (Lines{"Uno", "Dos", "Tres"}));
    EXPECT_EQ(addresses(), (Lines{"u1", "u2", "u3"}));
}

TEST_F(FavoritesUiTest, HomePageIsTheAddressLastAskedFor) {
    QString home = writePage("home.html", "Home", "x");
    QString asked = writePage("asked.html", "Asked", "<a id='go' href='shown.html'>on</a>");
    QString shown = writePage("shown.html", "Shown", "y");
    setHomePage(home, "Old name");
    std::string before = readBytes(work / "Homepage.clx");
    openExplorer();
    goTo(asked);
    ASSERT_TRUE(loads(
        [&] { explorer->view()->page()->runJavaScript("document.getElementById('go').click()"); }));
    EXPECT_EQ(explorer->view()->url().toString(), shown);
    auto* button = explorer->findChild<QToolButton*>("linkButton1");

    auto* dialog = openDialog<HomePageDialog>(explorer, "setHomePageAction");
    ASSERT_NE(dialog, nullptr);
    press(dialog, "cancelButton");
    EXPECT_EQ(readBytes(work / "Homepage.clx"), before);
    EXPECT_EQ(button->text(), "Old name");

    dialog = openDialog<HomePageDialog>(explorer, "setHomePageAction");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(waitUntil([&] { return dialog->nameBox()->text() == "Shown"; }));
    dialog->nameBox()->setText("My data page");
    QTest::keyClick(dialog->nameBox(), Qt::Key_Return);
    QTest::qWait(0);
    EXPECT_EQ(readBytes(work / "Homepage.clx"), "My data page\r\n" + asked.toStdString() + "\r\n");
    EXPECT_EQ(button->text(), "My data page");
    EXPECT_EQ(button->toolTip(), "My data page");
    EXPECT_EQ(explorer->linkAddressList().front(), asked.toStdString());
}
