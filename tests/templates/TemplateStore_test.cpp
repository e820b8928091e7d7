#include "templates/TemplateStore.h"
#include "templates/TemplateTestFiles.h"
#include "testing/RecordingMessenger.h"

#include <gtest/gtest.h>

using namespace climora;
using namespace climora::testing;

namespace {

using Events = std::vector<std::string>;
const Events notFound = {"tone: error", "error: Settings are not found for the selected template."};

const std::string stationVariables = tabbed({1, 4, 5, 6, 7, 8, -1, -1, -1, -1, -1, -1});
const std::string stationUnits = tabbed({-1, -1, 1, 1, 0, 2, -1, -1, -1, -1, -1, -1});

struct Applied {
    ApplyOutcome outcome;
    std::string rows;
    ColumnSlots slots;
    Events events;
};

// A work folder for the template files, the ports and the main window's
// rows box and slots.
struct Store : ::testing::Test {
    TemplateFolder folder;
    TemplateStore store{folder.work};
    RecordingMessenger messenger;
    ColumnSlots slots;
    std::string rows;
};

Applied applyNamed(const TemplateFolder& folder, std::optional<std::string> name) {
    Applied result{};
    RecordingMessenger messenger;
    result.rows = "9";
    result.outcome =
        TemplateStore(folder.work).applyTemplate(name, result.rows, result.slots, messenger);
    result.events = messenger.events();
    return result;
}

} // namespace

TEST(ApplyTemplate, FindsTheBlockWhateverSeparatesBlocksAndLineEnds) {
    for (std::string separator : {"\r\n", "", "\r\n\r\n\r\n"}) {
        for (bool lfOnly : {false, true}) {
            std::string text = "\r\n" + block("Other", "1", noPositions, noPositions) + separator +
                               block("Station", "3", stationVariables, stationUnits);
            if (lfOnly)
                std::erase(text, '\r');
            TemplateFolder folder;
            folder.put("TemplateSettings.clx", text);
            Applied a = applyNamed(folder, "Station");
            ASSERT_EQ(a.outcome, ApplyOutcome::Applied) << separator.size() << lfOnly;
            EXPECT_EQ(a.rows, "3");
            EXPECT_EQ(a.slots[2].variable, Solar);
            EXPECT_EQ(a.slots[2].unitText(), "Langley");
            EXPECT_EQ(a.slots[5].unitText(), "inch");
            EXPECT_TRUE(a.events.empty());
        }
    }
}

TEST(ApplyTemplate, NoSelectionOrNoSettingsFileDoesNothingSilently) {
    TemplateFolder folder;
    Applied noFile = applyNamed(folder, "Station");
    EXPECT_EQ(noFile.outcome, ApplyOutcome::NothingDone);
    EXPECT_EQ(noFile.rows, "9");
    EXPECT_TRUE(noFile.events.empty());

    folder.put("TemplateSettings.clx", block("Station", "3", stationVariables, stationUnits));
    Applied noSelection = applyNamed(folder, std::nullopt);
    EXPECT_EQ(noSelection.outcome, ApplyOutcome::NothingDone);
    EXPECT_TRUE(noSelection.events.empty());
}

TEST_F(Store, ListEntryWithoutABlockIsReportedAfterTheUnitListsWereEmptied) {
    folder.put("TemplateSettings.clx", block("Station", "3", stationVariables, stationUnits));
    slots.chooseVariable(0, TMax);
    slots[0].unit = 1;
    rows = "4";
    EXPECT_EQ(store.applyTemplate("Missing", rows, slots, messenger), ApplyOutcome::NotFound);
    EXPECT_EQ(messenger.events(), notFound);
    EXPECT_EQ(rows, "4");
    EXPECT_EQ(slots[0].variable, TMax);
    EXPECT_TRUE(slots[0].unitItems.empty());
    EXPECT_EQ(slots[0].unit, -1);

    // A name on the file's last line has no settings after it either.
    folder.put("TemplateSettings.clx",
               block("Station", "3", stationVariables, stationUnits) + "\r\nLast\r\n");
    EXPECT_EQ(applyNamed(folder, "Last").events, notFound);
}

TEST(ApplyTemplate, SearchStopsAtTheFirstEqualLineEvenANumbersLine) {
    // "4" is also the rows line of "Earlier": the search takes that line, so
    // the rows come from Earlier's variable line and the slots from what follows.
    TemplateFolder folder;
    std::string earlierUnits = tabbed({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    folder.put(
        "TemplateSettings.clx",
        block("Earlier", "4", tabbed({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}), earlierUnits) +
            block("4", "6", tabbed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), noPositions));
    Applied a = applyNamed(folder, "4");
    ASSERT_EQ(a.outcome, ApplyOutcome::Applied);
    EXPECT_EQ(a.rows, "2");
    for (int k = 0; k < slotCount; ++k)
        EXPECT_EQ(a.slots[k].variable, Ignore) << k;
}

TEST(ApplyTemplate, UnreadableNumbersAreReportedAndKeepWhatWasApplied) {
    TemplateFolder folder;
    folder.put("TemplateSettings.clx", block("Station", "3", "1\t4\tfive\t", noPositions));
    Applied a = applyNamed(folder, "Station");
    EXPECT_EQ(a.outcome, ApplyOutcome::Failed);
    EXPECT_EQ(a.events,
              (Events{"tone: error",
                      "error: Invalid numeric input in \"TemplateSettings.clx\": \"five\"."}));
    EXPECT_EQ(a.rows, "3");
    EXPECT_EQ(a.slots[1].variable, DOY);
}

TEST(ApplyTemplate, ShippedTemplatesApply) {
    TemplateFolder folder;
    for (std::string name : {"TemplateList.clx", "TemplateSettings.clx"})
        std::filesystem::copy_file(std::filesystem::path(CLIMORA_SHIPPED_DIR) / name,
                                   folder.temp / name);
    TemplateStore store(folder.work);
    std::vector<std::string> names = store.loadNames();
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names)
        EXPECT_EQ(applyNamed(folder, name).outcome, ApplyOutcome::Applied) << name;
}

TEST_F(Store, LastSessionTemplateIsWrittenAsThreeLinesTheLastWithoutALineEnd) {
    slots.chooseVariable(0, Year);
    slots.chooseVariable(1, DOY);
    slots.chooseVariable(2, Solar);
    slots[2].unit = 0;
    slots.chooseVariable(3, RelHum);
    slots.chooseVariable(4, Ignore);
    store.saveTheTemplate(templateFromSlots("12", slots));
    EXPECT_EQ(folder.bytes("Last Session Template.clx"),
              "12\r\n1\t4\t5\t9\t0\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t\r\n"
              "-1\t-1\t0\t0\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t");

    store.saveTheTemplate(templateFromSlots("", ColumnSlots{}));
    EXPECT_EQ(folder.bytes("Last Session Template.clx"),
              "\r\n" + noPositions + "\r\n" + noPositions);
}

TEST_F(Store, LastSessionTemplateRetrievedTwiceRestoresTheSlotsWithoutDuplicatedUnits) {
    ColumnSlots saved;
    saved.chooseVariable(0, TMax);
    saved[0].unit = 1;
    saved.chooseVariable(1, SunHr);
    saved.chooseVariable(3, WndSpd);
    saved[3].unit = 2;
    store.saveTheTemplate(templateFromSlots("", saved));
    rows = "5";
    EXPECT_EQ(store.retrieveLastSession(rows, slots, messenger), ApplyOutcome::Applied);
    EXPECT_EQ(store.retrieveLastSession(rows, slots, messenger), ApplyOutcome::Applied);
    EXPECT_EQ(rows, "");
    expectSameSlots(slots, saved);
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(Store, LastSessionTemplateMissingDoesNothingAndBadNumbersAreReported) {
    slots.chooseVariable(0, Solar);
    rows = "2";
    EXPECT_EQ(store.retrieveLastSession(rows, slots, messenger), ApplyOutcome::NothingDone);
    EXPECT_EQ(slots[0].unitItems.size(), 3u);
    EXPECT_EQ(rows, "2");

    folder.put("Last Session Template.clx", "1\r\n" + noPositions + "\r\n-1\t?\t");
    EXPECT_EQ(store.retrieveLastSession(rows, slots, messenger), ApplyOutcome::Failed);
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error",
                      "error: Invalid numeric input in \"Last Session Template.clx\": \"?\"."}));
}

TEST(TemplateBoxColour, OnlyAnAppliedTemplateSetsTheColour) {
    EXPECT_EQ(initialTemplateBoxColour, TemplateBoxColour::Yellow);
    EXPECT_EQ(colourAfterApply(ApplyOutcome::Applied, true), TemplateBoxColour::Normal);
    EXPECT_EQ(colourAfterApply(ApplyOutcome::Applied, false), TemplateBoxColour::Yellow);
    for (ApplyOutcome other :
         {ApplyOutcome::NothingDone, ApplyOutcome::NotFound, ApplyOutcome::Failed}) {
        EXPECT_EQ(colourAfterApply(other, true), std::nullopt);
        EXPECT_EQ(colourAfterApply(other, false), std::nullopt);
    }
}

TEST_F(Store, TemplateListLoadsSortedWithoutRegardToCaseAndWritesCrLf) {
    EXPECT_FALSE(store.hasList());
    EXPECT_TRUE(store.loadNames().empty());
    folder.put("templatelist.clx", "beta\nAlpha\r\n\r\ngamma\nALPHA\n");
    EXPECT_TRUE(store.hasList());
    EXPECT_EQ(store.loadNames(), (std::vector<std::string>{"ALPHA", "Alpha", "beta", "gamma"}));
    store.saveNames({"a", "B"});
    EXPECT_EQ(folder.bytes("templatelist.clx"), "a\r\nB\r\n");
}

TEST_F(Store, ApplyTemplateByNameAppliesOrReportsAMissingTemplate) {
    EXPECT_FALSE(applyTemplateByName(folder.work, "Station", rows, slots, messenger));
    EXPECT_EQ(messenger.events(), notFound);

    folder.put("TemplateSettings.clx", block("Station", "3", stationVariables, stationUnits));
    messenger.clear();
    EXPECT_TRUE(applyTemplateByName(folder.work, "Station", rows, slots, messenger));
    EXPECT_EQ(rows, "3");
    EXPECT_EQ(slots[4].variable, TMin);
    EXPECT_FALSE(applyTemplateByName(folder.work, "station", rows, slots, messenger));
    EXPECT_EQ(messenger.events(), notFound);
}
