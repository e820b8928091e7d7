#include "methods/ui/Task4Page.h"
#include "methods/ui/Task5Page.h"
#include "methods/ui/Task6Page.h"
#include "methods/ui/Task7Page.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace climora;

namespace {

template <typename T> T* child(QWidget& page, const char* name) {
    T* found = page.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

EstimationSettings changedSettings() {
    EstimationSettings settings;
    settings.task4Latitude = "-12.5";
    settings.solarRegion = 3;
    settings.task5Latitude = "61";
    settings.climateZone = 2;
    settings.panKind = 4;
    settings.fetch = " 250";
    settings.task7Latitude = "40.8";
    settings.elevation = "1200";
    settings.reference = EtReference::AsceShort;
    settings.windHeight = "10";
    return settings;
}

template <typename Page> EstimationSettings roundTrip(const EstimationSettings& settings) {
    Page page;
    page.writeFrom(settings);
    EstimationSettings read;
    page.readInto(read);
    return read;
}

} // namespace

TEST(Task6Page, UnknownPanClickedOrWrittenDisablesTheFetchAndKeepsItsText) {
    Task6Page page;
    QLineEdit* fetch = child<QLineEdit>(page, "task6Fetch");
    EXPECT_TRUE(fetch->isEnabled());
    EXPECT_EQ(fetch->text(), "1000");
    fetch->setText("750");
    child<QAbstractButton>(page, "task6UnknownPan")->click();
    EXPECT_FALSE(fetch->isEnabled());
    EXPECT_EQ(fetch->text(), "750");
    for (const char* name :
         {"task6ClassAGreen", "task6ClassADry", "task6ColoradoGreen", "task6ColoradoDry"}) {
        child<QAbstractButton>(page, "task6UnknownPan")->click();
        child<QAbstractButton>(page, name)->click();
        EXPECT_TRUE(fetch->isEnabled()) << name;
    }
    EXPECT_EQ(fetch->text(), "750");

    // Settings written into the page follow the same rule.
    EstimationSettings settings;
    settings.panKind = 5;
    page.writeFrom(settings);
    EXPECT_FALSE(fetch->isEnabled());
    settings.panKind = 2;
    page.writeFrom(settings);
    EXPECT_TRUE(fetch->isEnabled());
}

TEST(Task6Page, HelpButtonAsksForThePanTopic) {
    Task6Page page;
    QSignalSpy spy(&page, &Task6Page::helpRequested);
    child<QAbstractButton>(page, "task6Help")->click();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 3210);
}

TEST(TaskPages, FreshPagesReadTheDefaults) {
    EstimationSettings read;
    read.solarRegion = read.climateZone = read.panKind = 0;
    read.fetch.clear();
    read.reference = EtReference::AsceTall;
    read.windHeight.clear();
    Task4Page().readInto(read);
    Task5Page().readInto(read);
    Task6Page().readInto(read);
    Task7Page().readInto(read);
    EXPECT_EQ(read, EstimationSettings());
}

TEST(TaskPages, EachPageRoundTripsItsOwnSettings) {
    const EstimationSettings changed = changedSettings();
    const EstimationSettings defaults;

    EstimationSettings four = roundTrip<Task4Page>(changed);
    EXPECT_EQ(four.task4Latitude, "-12.5");
    EXPECT_EQ(four.solarRegion, 3);
    EXPECT_EQ(four.task5Latitude, defaults.task5Latitude);

    EstimationSettings five = roundTrip<Task5Page>(changed);
    EXPECT_EQ(five.task5Latitude, "61");
    EXPECT_EQ(five.climateZone, 2);

    EstimationSettings six = roundTrip<Task6Page>(changed);
    EXPECT_EQ(six.panKind, 4);
    EXPECT_EQ(six.fetch, " 250");

    EstimationSettings seven = roundTrip<Task7Page>(changed);
    EXPECT_EQ(seven.task7Latitude, "40.8");
    EXPECT_EQ(seven.elevation, "1200");
    EXPECT_EQ(seven.reference, EtReference::AsceShort);
    EXPECT_EQ(seven.windHeight, "10");
    EXPECT_EQ(seven.panKind, defaults.panKind);
}

TEST(TaskPages, ChoicesAreExclusiveWithinTheirGroup) {
    Task6Page page;
    child<QAbstractButton>(page, "task6ColoradoGreen")->click();
    EXPECT_FALSE(child<QAbstractButton>(page, "task6ClassAGreen")->isChecked());
    EstimationSettings read;
    page.readInto(read);
    EXPECT_EQ(read.panKind, 3);

    Task4Page four;
    child<QAbstractButton>(four, "task4Continental")->click();
    four.readInto(read);
    EXPECT_EQ(read.solarRegion, 2);
    Task5Page five;
    child<QAbstractButton>(five, "task5HumidTropical")->click();
    five.readInto(read);
    EXPECT_EQ(read.climateZone, 3);
}
