#include "pipeline/ui/SiteCoordinateDialog.h"
#include "testing/RecordingMessenger.h"
#include "testing/ui/NamedControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectNamedControls;
using Events = std::vector<std::string>;

namespace {

struct Dialog {
    RecordingMessenger messenger;
    SiteCoordinateDialog dialog;
    explicit Dialog(const QLocale& locale = QLocale::c()) : dialog(messenger, nullptr, locale) {}

    void type(const QString& latitude, int ns, const QString& longitude, int we,
              const QString& elevation) {
        dialog.findChild<QLineEdit*>("latitudeBox")->setText(latitude);
        dialog.findChild<QComboBox*>("northSouthList")->setCurrentIndex(ns);
        dialog.findChild<QLineEdit*>("longitudeBox")->setText(longitude);
        dialog.findChild<QComboBox*>("westEastList")->setCurrentIndex(we);
        dialog.findChild<QLineEdit*>("elevationBox")->setText(elevation);
    }
    void ok() { dialog.findChild<QPushButton*>("okButton")->click(); }
};

} // namespace

TEST(SiteCoordinateDialog, StartsEmptyOnNorthAndWestWithNamedControls) {
    Dialog d;
    EXPECT_EQ(d.dialog.windowTitle(), "Site coordinate");
    EXPECT_TRUE(d.dialog.findChild<QLineEdit*>("latitudeBox")->text().isEmpty());
    EXPECT_EQ(d.dialog.findChild<QComboBox*>("northSouthList")->currentText(), "N");
    EXPECT_EQ(d.dialog.findChild<QComboBox*>("westEastList")->currentText(), "W");
    EXPECT_GE(expectNamedControls(d.dialog), 7);
}

// South and east are negative; the user's decimal comma is read as well as
// the point; Enter in a box acts as OK.
TEST(SiteCoordinateDialog, OkGivesTheSiteLine) {
    struct Case {
        QLocale locale;
        QStringList typed;
        int northSouth, westEast;
        bool enter;
        std::string line;
    };
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::vector<Case> cases = {
        {QLocale::c(), {"35", "120.5", "12"}, 1, 1, false, "-35 -120.5 12"},
        {QLocale::c(), {"40.8", "96.7", "350"}, 0, 0, true, "40.8 96.7 350"},
        {german, {"40,8", "96.7", "350,5"}, 0, 0, false, "40.8 96.7 350.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Dialog d(c.locale);
        d.dialog.show();
        d.type(c.typed[0], c.northSouth, c.typed[1], c.westEast, c.typed[2]);
        if (c.enter)
            QTest::keyClick(d.dialog.findChild<QLineEdit*>("elevationBox"), Qt::Key_Return);
        else
            d.ok();
        ASSERT_TRUE(d.dialog.siteLine());
        EXPECT_EQ(*d.dialog.siteLine(), c.line + "  Lat (deg), long (deg), elev(m)");
        EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(d.messenger.events().empty());
    }
}

TEST(SiteCoordinateDialog, RefusalsKeepTheDialogOpen) {
    Dialog d;
    d.dialog.show();
    d.type("66.5", 0, "1", 0, "1");
    d.ok();
    d.type("40", 0, "x", 0, "1");
    d.ok();
    EXPECT_TRUE(d.dialog.isVisible());
    EXPECT_FALSE(d.dialog.siteLine());
    EXPECT_EQ(d.messenger.events(),
              (Events{"tone: error", "error: Latitude value must be smaller than 66", "tone: error",
                      "error: Invalid input"}));
    d.type("66", 1, "1", 0, "1");
    d.ok();
    EXPECT_FALSE(d.dialog.isVisible());
    EXPECT_EQ(*d.dialog.siteLine(), "-66 1 1  Lat (deg), long (deg), elev(m)");
}

TEST(SiteCoordinateDialog, AskInsertsOnOkAndIsDestroyedOnClose) {
    RecordingMessenger messenger;
    QWidget window;
    window.show();
    std::vector<std::string> inserted;
    QPointer<SiteCoordinateDialog> dialog = askForLatValueAndInsert(
        &window, messenger, [&](const std::string& line) { inserted.push_back(line); });
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    dialog->findChild<QLineEdit*>("latitudeBox")->setText("39.4575");
    dialog->findChild<QLineEdit*>("longitudeBox")->setText("118.7739");
    dialog->findChild<QLineEdit*>("elevationBox")->setText("1208.5");
    dialog->findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(inserted, (Events{"39.4575 118.7739 1208.5  Lat (deg), long (deg), elev(m)"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());

    dialog = askForLatValueAndInsert(&window, messenger,
                                     [&](const std::string& line) { inserted.push_back(line); });
    dialog->findChild<QPushButton*>("cancelButton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(inserted.size(), 1u);
}
