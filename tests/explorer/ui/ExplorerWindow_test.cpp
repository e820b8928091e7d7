#include "ExplorerTesting.h"

#include "base/TextFile.h"
#include "explorer/ui/AddressBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

using namespace climora;
using namespace climora::testing;
using Entries = std::vector<std::string>;

namespace {

QToolButton* linkButton(QWidget* window, int number) {
    return window->findChild<QToolButton*>(QString("linkButton%1").arg(number));
}

} // namespace

TEST_F(ExplorerTest, OpensAtTheHomePageWithItsLinks) {
    QString home = writePage("home.html", "Home page", "Welcome");
    setHomePage(home, "My station");
    writeTextLines(work / "HotLinks.clx", {"One", "First link", "http://127.0.0.1:9/one", "Two",
                                           "Second link", "http://127.0.0.1:9/two"});
    openExplorer();
    EXPECT_EQ(explorer->windowTitle(), "Climora Explorer");
    EXPECT_EQ(host->calls, (Entries{"explorer open"}));
    EXPECT_TRUE(host->explorerOpen);
    EXPECT_EQ(linkButton(explorer, 1)->text(), "My station");
    EXPECT_EQ(linkButton(explorer, 1)->toolTip(), "My station");
    EXPECT_EQ(linkButton(explorer, 3)->text(), "Two");
    EXPECT_EQ(linkButton(explorer, 3)->toolTip(), "Second link");
    EXPECT_EQ(linkButton(explorer, 4)->text(), ""); // the file holds two links
    EXPECT_EQ(explorer->linkAddressList(),
              (Entries{home.toStdString(), "http://127.0.0.1:9/one", "http://127.0.0.1:9/two"}));
    EXPECT_EQ(explorer->addressText(), home);
    EXPECT_EQ(explorer->findChild<QLabel*>("statusPanel")->text(), home);
    EXPECT_EQ(history(), (Entries{home.toStdString()}));
    EXPECT_FALSE(action(explorer, "backAction")->isEnabled());
    EXPECT_FALSE(action(explorer, "forwardAction")->isEnabled());

    // Idle: the still gear, 85 pixels left of the right edge.
    auto* busy = explorer->findChild<QLabel*>("busyPicture");
    EXPECT_FALSE(busy->pixmap().isNull());
    EXPECT_EQ(busy->movie(), nullptr);
    EXPECT_EQ(busy->mapTo(explorer, QPoint(0, 0)).x(), explorer->width() - 85);
    explorer->resize(700, 500);
    EXPECT_EQ(busy->mapTo(explorer, QPoint(0, 0)).x(), 700 - 85);

    explorer->close();
    QTest::qWait(0);
    EXPECT_TRUE(explorer.isNull());
    EXPECT_EQ(host->calls, (Entries{"explorer open", "explorer closed"}));
    EXPECT_FALSE(host->explorerOpen);
}

TEST_F(ExplorerTest, OneExplorerAtATimeWithTheGearTurningWhileAPageLoads) {
    setHomePage(writePage("home.html", "Home", "x"));
    explorer = ExplorerWindow::open(*host);
    ASSERT_TRUE(loads([] {}));
    auto* busy = explorer->findChild<QLabel*>("busyPicture");
    QWebEnginePage* page = explorer->view()->page();
    QSignalSpy started(page, &QWebEnginePage::loadStarted);
    explorer->setAddressText(writePage("b.html", "B", "b"));
    explorer->navigate();
    ASSERT_TRUE(started.wait(15000));
    EXPECT_TRUE(explorer->busy());
    ASSERT_NE(busy->movie(), nullptr);
    EXPECT_EQ(busy->movie()->state(), QMovie::Running);
    QSignalSpy finished(page, &QWebEnginePage::loadFinished);
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_FALSE(explorer->busy());
    EXPECT_EQ(busy->movie(), nullptr);

    EXPECT_EQ(ExplorerWindow::open(*host), explorer.data());
    EXPECT_EQ(ExplorerWindow::current(), explorer.data());
    EXPECT_EQ(history().size(), 2u);
    EXPECT_EQ(host->calls, (Entries{"explorer open"}));
    ExplorerWindow::closeCurrent();
    EXPECT_TRUE(explorer.isNull());
    EXPECT_EQ(ExplorerWindow::current(), nullptr);
    EXPECT_EQ(host->calls, (Entries{"explorer open", "explorer closed"}));
}

TEST_F(ExplorerTest, BackAndForwardMoveInTheHistoryAndANewLinkReplacesTheRest) {
    QString a = writePage("a.html", "A", "a"), b = writePage("b.html", "B", "b"),
            c = writePage("c.html", "C", "c"), x = writePage("x.html", "X", "x");
    setHomePage(a);
    writeTextLines(work / "HotLinks.clx",
                   {"B", "", b.toStdString(), "C", "", c.toStdString(), "X", "", x.toStdString()});
    openExplorer();
    ASSERT_TRUE(loads([&] { linkButton(explorer, 2)->click(); }));
    ASSERT_TRUE(loads([&] { linkButton(explorer, 3)->click(); }));
    EXPECT_EQ(history(), (Entries{a.toStdString(), b.toStdString(), c.toStdString()}));

    QApplication::setActiveWindow(explorer);
    ASSERT_TRUE(loads([&] { QTest::keyClick(explorer, Qt::Key_Left, Qt::AltModifier); }));
    EXPECT_EQ(explorer->navigation().history.position(), 1);
    EXPECT_EQ(explorer->addressText(), b);
    EXPECT_TRUE(action(explorer, "forwardAction")->isEnabled());
    ASSERT_TRUE(loads([&] { QTest::keyClick(explorer, Qt::Key_Right, Qt::AltModifier); }));
    EXPECT_EQ(explorer->view()->url().toString(), c);
    EXPECT_FALSE(action(explorer, "forwardAction")->isEnabled());
    ASSERT_TRUE(loads([&] { action(explorer, "backAction")->trigger(); }));
    EXPECT_EQ(explorer->view()->url().toString(), b);

    ASSERT_TRUE(loads([&] { linkButton(explorer, 4)->click(); }));
    EXPECT_EQ(history(), (Entries{a.toStdString(), x.toStdString()}));
    EXPECT_EQ(explorer->navigation().history.position(), 1);
    EXPECT_FALSE(action(explorer, "forwardAction")->isEnabled());
    // The address list holds every address the program asked for, latest first.
    EXPECT_EQ(explorer->navigation().addresses.items(),
              (Entries{x.toStdString(), b.toStdString(), c.toStdString(), a.toStdString()}));
    ASSERT_TRUE(loads([&] { action(explorer, "backAction")->trigger(); }));
    EXPECT_EQ(explorer->view()->url().toString(), a);
    EXPECT_FALSE(action(explorer, "backAction")->isEnabled());
}

TEST_F(ExplorerTest, LinkInsideThePageMovesTheStatusButNotTheAddressBox) {
    QString a = writePage("a.html", "A", "<a id='go' href='b.html'>to b</a>");
    QString b = writePage("b.html", "B", "b");
    setHomePage(a);
    openExplorer();
    ASSERT_TRUE(loads(
        [&] { explorer->view()->page()->runJavaScript("document.getElementById('go').click()"); }));
    EXPECT_EQ(explorer->findChild<QLabel*>("statusPanel")->text(), b);
    EXPECT_EQ(explorer->addressText(), a);
    EXPECT_EQ(history(), (Entries{a.toStdString(), b.toStdString()}));
    EXPECT_EQ(explorer->navigation().addresses.items(), (Entries{a.toStdString()}));
}

TEST_F(ExplorerTest, EnterInTheAddressBoxFilesTheTextAndNavigates) {
    QString a = writePage("a.html", "A", "a");
    QString b = writePage("b.html", "B", "b");
    setHomePage(a);
    openExplorer();
    auto* box = explorer->findChild<AddressBox*>("addressBox");
    QString typed = QString::fromStdString((pages / "b.html").string());
    ASSERT_EQ(focusOn(box), box); // the focus proxy of its line edit
    box->clearEditText();
    ASSERT_TRUE(loads([&] {
        QTest::keyClicks(QApplication::focusWidget(), typed);
        pressKey(Qt::Key_Return);
    }));
    EXPECT_EQ(explorer->view()->url().toString(), b);
    // The typed file name is filed as the address the browser announces.
    EXPECT_EQ(history(), (Entries{a.toStdString(), b.toStdString()}));
    EXPECT_EQ(explorer->navigation().history.position(), 1);
    EXPECT_EQ(explorer->navigation().addresses.items(),
              (Entries{b.toStdString(), a.toStdString()}));
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), b);

    // Choosing the older address from the list goes there and moves it up.
    ASSERT_TRUE(loads([&] { chooseFromList(box, 1); }));
    EXPECT_EQ(explorer->view()->url().toString(), a);
    EXPECT_EQ(explorer->navigation().addresses.items(),
              (Entries{a.toStdString(), b.toStdString()}));
    EXPECT_EQ(explorer->navigation().history.position(), 0);
}
