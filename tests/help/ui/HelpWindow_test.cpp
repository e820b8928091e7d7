#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"
#include "testing/TempFolder.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// Where an anchor starts in the laid-out document, or -1.
qreal anchorTop(QTextDocument* document, const QString& anchor) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return document->documentLayout()->blockBoundingRect(block).top();
    return -1;
}

class HelpTest : public ::testing::Test {
  protected:
    void TearDown() override {
        delete HelpWindow::current();
        fs::current_path(fs::temp_directory_path());
    }
    TempFolder work;
    WorkFolder workFolder{work.path()};
};

} // namespace

TEST_F(HelpTest, OpensAtEachBoundTopicFromTheWorkFolder) {
    for (int topic : boundHelpTopics()) {
        fs::current_path(fs::temp_directory_path());
        HelpWindow* window = openHelp(workFolder, topic);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(fs::current_path(), work.path());
        QTextBrowser* browser = window->browser();
        QString anchor = QString::fromStdString(helpTopicAnchor(topic));
        EXPECT_EQ(browser->source().fragment(), anchor);
        qreal top = anchorTop(browser->document(), anchor);
        ASSERT_GE(top, 0) << "no anchor for topic " << topic;
        // The topic's heading is at the top of the view, unless the document
        // ends before it could get there.
        QScrollBar* scroll = browser->verticalScrollBar();
        EXPECT_TRUE(std::abs(scroll->value() - top) < 40 || scroll->value() == scroll->maximum())
            << "topic " << topic << ": scrolled to " << scroll->value() << ", heading at " << top;
        EXPECT_GT(top, 0) << "topic " << topic << " should not be the first thing shown";
    }
    EXPECT_EQ(HelpWindow::current()->topic(), help::defaultFolders);
}

TEST_F(HelpTest, ContentsOpenAtTheTopAndOneWindowServesAll) {
    HelpWindow* first = openHelp(workFolder, help::panTypeAndFetch);
    EXPECT_GT(first->browser()->verticalScrollBar()->value(), 0);
    HelpWindow* second = HelpWindow::showTopic(help::contents);
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(second->windowTitle(), "Climora Help");
}

// A control without a topic takes its container's; the context help
// shortcut opens the focused control's topic, or else the window's.
TEST_F(HelpTest, ContextHelpOpensTheTopicOfTheControlOrItsContainer) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* box = new QLineEdit(panel);
    auto* other = new QLineEdit(&window);
    EXPECT_EQ(helpTopicFor(box), help::contents);
    bindHelpTopic(&window, help::defaultFolders);
    bindHelpTopic(panel, help::rowsBeforeData);
    EXPECT_EQ(helpTopicFor(box), help::rowsBeforeData);
    EXPECT_EQ(helpTopicFor(other), help::defaultFolders);

    installContextHelp(&window, workFolder, QKeySequence(Qt::Key_F1));
    auto* shortcut = window.findChild<QShortcut*>("contextHelpShortcut");
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->key(), QKeySequence(Qt::Key_F1));
    emit shortcut->activated();
    ASSERT_NE(HelpWindow::current(), nullptr);
    EXPECT_EQ(HelpWindow::current()->topic(), help::defaultFolders);
    EXPECT_EQ(fs::current_path(), work.path());
}
