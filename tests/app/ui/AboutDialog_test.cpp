#include "app/ui/AboutDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace climora;

TEST(AboutDialog, ShowsReadOnlyTextsWithoutCaretAndALogo) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Climora");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    for (const char* name : {"programText", "contactText", "disclaimerText"}) {
        auto* block = dialog.findChild<QPlainTextEdit*>(name);
        ASSERT_NE(block, nullptr) << name;
        EXPECT_TRUE(block->isReadOnly());
        EXPECT_EQ(block->frameShape(), QFrame::NoFrame);
        EXPECT_FALSE(block->textInteractionFlags() &
                     (Qt::TextSelectableByKeyboard | Qt::TextEditable));
        EXPECT_EQ(block->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(block->palette().color(QPalette::Base), dialog.palette().color(QPalette::Window));
        EXPECT_FALSE(block->toPlainText().isEmpty());
        EXPECT_FALSE(block->accessibleName().isEmpty());
    }
    EXPECT_TRUE(
        dialog.findChild<QPlainTextEdit*>("disclaimerText")->toPlainText().contains("liability"));
    auto* logo = dialog.findChild<QLabel*>("logo");
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->pixmap().isNull());
    QImage picture = logo->pixmap().toImage();
    EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() / 2),
              QColor(Qt::transparent));
}

TEST(AboutDialog, WebAddressOpensWithTheGivenOpener) {
    QList<QUrl> opened;
    AboutDialog dialog(nullptr, [&](const QUrl& url) { opened << url; });
    QLabel* address = dialog.webAddress();
    EXPECT_EQ(address->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(address->text().contains(AboutDialog::webSite().toString()));
    emit address->linkActivated(AboutDialog::webSite().toString());
    EXPECT_EQ(opened, (QList<QUrl>{AboutDialog::webSite()}));
}

TEST(AboutDialog, BlocksTheMainWindowUntilEscapeCloses) {
    QMainWindow mainWindow;
    mainWindow.show();
    QPointer<AboutDialog> dialog = AboutDialog::showOver(&mainWindow);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.data());
    EXPECT_TRUE(dialog->okButton()->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_TRUE(dialog->okButton()->isDefault());
    QTest::keyClick(dialog.data(), Qt::Key_Escape);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(mainWindow.isEnabled());
}
