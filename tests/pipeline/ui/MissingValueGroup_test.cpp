#include "pipeline/ui/MissingValueGroup.h"
#include "testing/RecordingMessenger.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace climora;
using Events = std::vector<std::string>;

TEST(MissingValueGroup, StartsEnabledAndTheCheckMarkEnablesTheBoxes) {
    RecordingMessenger messenger;
    MissingValueGroup group(messenger);
    MissingValueSettings settings = group.settings();
    EXPECT_TRUE(settings.enabled);
    EXPECT_EQ(settings.sign, "-99");
    EXPECT_EQ(settings.substitution, "0.01");
    auto* sign = group.findChild<QLineEdit*>("missingSignBox");
    EXPECT_TRUE(sign->isEnabled());
    group.findChild<QCheckBox*>("substitutionEnabledBox")->click();
    EXPECT_FALSE(sign->isEnabled());
    EXPECT_FALSE(group.findChild<QLineEdit*>("substitutionBox")->isEnabled());
    group.setSettings({true, "-9999", ""});
    EXPECT_TRUE(sign->isEnabled());
    group.setSettings({false, "-9999", ""});
    EXPECT_FALSE(sign->isEnabled());
    EXPECT_EQ(group.settings().sign, "-9999");
    EXPECT_TRUE(messenger.events().empty());
}

TEST(MissingValueGroup, ASignThatIsNotAnIntegerIsRefusedButKept) {
    RecordingMessenger messenger;
    MissingValueGroup group(messenger);
    auto* sign = group.findChild<QLineEdit*>("missingSignBox");
    sign->clear();
    QTest::keyClicks(sign, "-9.5");
    EXPECT_EQ(sign->text(), "-9.5");
    const std::string warning =
        "plain: Only an integer type value is allowed! Correct the setting.";
    // "" and "-" are an integer being typed, "-9" is one; "-9." and "-9.5" are not.
    EXPECT_EQ(messenger.events(), (Events{"tone: error", warning, "tone: error", warning}));
}
