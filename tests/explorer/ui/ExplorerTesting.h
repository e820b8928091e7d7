#pragma once

#include "base/TextFile.h"
#include "explorer/FakeExplorerHost.h"
#include "explorer/ui/ExplorerWindow.h"
#include "testing/TempFolder.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace climora::testing {

// Lets the event loop run until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int milliseconds = 15000) {
    return QTest::qWaitFor(condition, milliseconds);
}

// The window's action of that object name.
inline QAction* action(QWidget* window, const char* name) {
    auto* found = window->findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Gives `widget` the keyboard focus in its active window and answers the
// widget that real key presses now reach.
inline QWidget* focusOn(QWidget* widget) {
    QWidget* window = widget->window();
    window->activateWindow(); // the activation arrives later
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
    widget->setFocus();
    return QApplication::focusWidget();
}

// Presses `key` as a keyboard does: on the widget that has the focus.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Opens the list and picks `row` with the keyboard, as a user does.
inline void chooseFromList(QComboBox* box, int row) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    list->setCurrentIndex(list->model()->index(row, 0));
    ASSERT_EQ(QApplication::focusWidget(), list);
    pressKey(Qt::Key_Return);
    ASSERT_FALSE(list->isVisible());
}

// A work folder with the gear pictures and a folder of local pages; an
// explorer opened on a fake main window.
class ExplorerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a page into the pages folder and gives its address.
    QString writePage(const std::string& name, const std::string& title, const std::string& body);
    void setHomePage(const QString& address, const std::string& name = "Home");
    // Opens the explorer and waits for the home page (a plain page unless
    // the test set one).
    ExplorerWindow* openExplorer();
    // Runs `action` and waits until the page has loaded.
    bool loads(const std::function<void()>& action);
    void goTo(const QString& address);
    // The history as address texts.
    std::vector<std::string> history() const;

    ScopedDataHome dataHome;
    TempFolder work;
    TempFolder pages;
    std::unique_ptr<FakeExplorerHost> host;
    QPointer<ExplorerWindow> explorer;
};

// The web engine runs as root only without its sandbox, and fails silently
// with a small /dev/shm; set both before the first page is made.
inline void prepareWebEngine() {
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-dev-shm-usage");
}

inline void ExplorerTest::SetUp() {
    prepareWebEngine();
    host = std::make_unique<FakeExplorerHost>(work.path());
    host->inputFolder = pages.path().string() + "/";
    for (const char* picture : {"Gear.bmp", "Gear.gif"})
        std::filesystem::copy_file(std::filesystem::path(CLIMORA_SHIPPED_DIR) / picture,
                                   work / picture);
}

inline void ExplorerTest::TearDown() {
    if (explorer) {
        explorer->close();
        QTest::qWait(0);
    }
    delete explorer.data();
}

inline QString ExplorerTest::writePage(const std::string& name, const std::string& title,
                                       const std::string& body) {
    std::string head = title.empty() ? "" : "<title>" + title + "</title>";
    writeTextLines(pages / name,
                   {"<html><head>" + head + "</head>", "<body>" + body + "</body></html>"});
    return QUrl::fromLocalFile(QString::fromStdString((pages / name).string())).toString();
}

inline void ExplorerTest::setHomePage(const QString& address, const std::string& name) {
    writeTextLines(work / "Homepage.clx", {name, address.toStdString()});
}

inline bool ExplorerTest::loads(const std::function<void()>& action) {
    QWebEnginePage* page = explorer->view()->page();
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    action();
    return loaded.wait(15000) && loaded.last().at(0).toBool();
}

inline ExplorerWindow* ExplorerTest::openExplorer() {
    if (!std::filesystem::exists(work / "Homepage.clx"))
        setHomePage(writePage("home.html", "Home", "x"));
    explorer = new ExplorerWindow(*host);
    explorer->setAttribute(Qt::WA_DeleteOnClose);
    explorer->show();
    QSignalSpy loaded(explorer->view()->page(), &QWebEnginePage::loadFinished);
    EXPECT_TRUE(loaded.wait(15000)) << "the home page did not load";
    return explorer;
}

inline void ExplorerTest::goTo(const QString& address) {
    ASSERT_TRUE(loads([&] {
        explorer->setAddressText(address);
        explorer->navigate();
    })) << address.toStdString();
}

inline std::vector<std::string> ExplorerTest::history() const {
    return explorer->navigation().history.entries();
}

} // namespace climora::testing
