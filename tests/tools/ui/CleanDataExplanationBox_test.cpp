#include "prefs/ui/WhenModal.h"
#include "testing/ui/NamedControls.h"
#include "tools/ui/CleanDataExplanationBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectNamedControls;
using climora::testing::whenModalOpens;

TEST(CleanDataExplanationBox, CheckBoxStartsClearAndControlsAreNamed) {
    CleanDataExplanationBox box;
    EXPECT_FALSE(box.findChild<QCheckBox*>("dontShowAgainCheckBox")->isChecked());
    EXPECT_EQ(expectNamedControls(box), 2);
}

TEST(QtCleanDataExplanation, OkReportsTheCheckBoxOtherClosesReportNothing) {
    QtCleanDataExplanation explanation;
    whenModalOpens<CleanDataExplanationBox>([](CleanDataExplanationBox* box) {
        box->findChild<QCheckBox*>("dontShowAgainCheckBox")->setChecked(true);
        box->findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(explanation.show(), std::optional<bool>(true));

    whenModalOpens<CleanDataExplanationBox>(
        [](CleanDataExplanationBox* box) { box->findChild<QPushButton*>("okButton")->click(); });
    EXPECT_EQ(explanation.show(), std::optional<bool>(false));

    whenModalOpens<CleanDataExplanationBox>([](CleanDataExplanationBox* box) {
        box->findChild<QCheckBox*>("dontShowAgainCheckBox")->setChecked(true);
        box->reject(); // Esc or the close box
    });
    EXPECT_EQ(explanation.show(), std::nullopt);
}
