#include "prefs/ui/WhenModal.h"
#include "tools/ui/CleanDataExplanationBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::whenModalOpens;

TEST(CleanDataExplanationBox, ShowsCaptionTextAndCheckBox) {
    CleanDataExplanationBox box;
    EXPECT_EQ(box.windowTitle(), "Clean data");
    EXPECT_EQ(
        box.findChild<QLabel*>("explanationText")->text(),
        "This procedure removes all non-value characters (e.g., quality control flags) in the "
        "data.");
    auto* check = box.findChild<QCheckBox*>("dontShowAgainCheckBox");
    EXPECT_EQ(check->text(), "Don't show me again.");
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(box.findChild<QPushButton*>("okButton")->accessibleName().isEmpty());
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
