#include "templates/TemplateEditing.h"
#include "templates/TemplateTestFiles.h"
#include "testing/RecordingMessenger.h"

#include <gtest/gtest.h>

#include <functional>

using namespace climora;
using namespace climora::testing;

namespace {

using Events = std::vector<std::string>;
using Names = std::vector<std::string>;

const std::string overwriteQuestion =
    "confirm: Overwrite the existing template of the same name? -> ";
const Events problems = {"tone: error", "error: Problems encountered. Operation aborted."};

DataTemplate sample(const std::string& name, const std::string& rows, int firstVariable) {
    DataTemplate t;
    t.name = name;
    t.rowsBeforeData = rows;
    t.variablePositions[0] = firstVariable;
    return t;
}

std::string blockOf(const DataTemplate& t) {
    return block(t.name, t.rowsBeforeData,
                 tabbed({t.variablePositions.begin(), t.variablePositions.end()}),
                 tabbed({t.unitPositions.begin(), t.unitPositions.end()}));
}

// Three templates: the list sorted, the blocks in saving order, separated
// by empty lines as saves leave them. Confirmations are answered Yes; writes
// fail for the file a test names.
struct ThreeTemplates : ::testing::Test {
    TemplateFolder folder;
    FailingWrites writes;
    TemplateStore store{folder.work, writes};
    RecordingMessenger messenger{true};
    DataTemplate b = sample("b", "1", 1), a = sample("A", "2", 2), c = sample("c", "", 3);
    Names names = {"A", "b", "c"};
    std::string settings = "\r\n" + blockOf(b) + "\r\n" + blockOf(a) + "\r\n" + blockOf(c);
    std::string list = "A\r\nb\r\nc\r\n";

    void SetUp() override {
        folder.put("TemplateSettings.clx", settings);
        folder.put("TemplateList.clx", list);
    }
    void expectFilesUnchanged() {
        EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings);
        EXPECT_EQ(folder.bytes("TemplateList.clx"), list);
        EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
    }
};

} // namespace

TEST(SaveTemplate, FirstSaveCreatesBothFiles) {
    TemplateFolder folder;
    TemplateStore store(folder.work);
    RecordingMessenger messenger;
    DataTemplate t = sample("Station", "3", 1);
    t.unitPositions[1] = 2;
    SaveResult result = saveTemplate(store, {}, t, messenger);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_EQ(result.names, Names{"Station"});
    EXPECT_EQ(result.selectedPosition, 0);
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"),
              "\r\nStation\r\n3\r\n1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t\r\n"
              "-1\t2\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t\r\n");
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "Station\r\n");
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
}

TEST_F(ThreeTemplates, NewNameIsAppendedAfterAnEmptyLineAndSortedIntoTheList) {
    DataTemplate d = sample("B", "4", 4); // differs from "b" only in case: a new template
    SaveResult result = saveTemplate(store, names, d, messenger);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_EQ(result.names, (Names{"A", "B", "b", "c"}));
    EXPECT_EQ(result.selectedPosition, 1);
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings + "\r\n" + blockOf(d));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "A\r\nB\r\nb\r\nc\r\n");
}

TEST_F(ThreeTemplates, OverwriteMovesTheBlockToTheEndAndKeepsTheOthersWithoutEmptyLines) {
    messenger.answerNext(true);
    DataTemplate newA = sample("A", "7", 16);
    SaveResult result = saveTemplate(store, names, newA, messenger);
    EXPECT_EQ(result.status, EditStatus::Done);
    EXPECT_EQ(messenger.events(), (Events{"tone: exclamation", overwriteQuestion + "Yes"}));
    EXPECT_EQ(result.names, names);
    EXPECT_EQ(result.selectedPosition, 0);
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"),
              blockOf(b) + blockOf(c) + "\r\n" + blockOf(newA));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), list);
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
}

TEST_F(ThreeTemplates, EmptyNameOrDeclinedOverwriteChangesNothing) {
    EXPECT_EQ(saveTemplate(store, names, sample("", "1", 1), messenger).status,
              EditStatus::Refused);
    messenger.answerNext(false);
    EXPECT_EQ(saveTemplate(store, names, sample("c", "9", 9), messenger).status,
              EditStatus::Refused);
    EXPECT_EQ(messenger.events(), (Events{"tone: error", "error: No name is given.",
                                          "tone: exclamation", overwriteQuestion + "No"}));
    expectFilesUnchanged();
}

TEST(SaveTemplate, OverwriteAcceptsTrailingEmptyLinesAndAMissingSettingsFile) {
    TemplateFolder folder;
    TemplateStore store(folder.work);
    RecordingMessenger messenger(true);
    DataTemplate t = sample("T", "1", 1);
    folder.put("TemplateSettings.clx", blockOf(t) + "\r\n\r\n");
    DataTemplate newT = sample("T", "2", 2);
    EXPECT_EQ(saveTemplate(store, {"T"}, newT, messenger).status, EditStatus::Done);
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), "\r\n" + blockOf(newT));

    std::filesystem::remove(folder.temp / "TemplateSettings.clx");
    EXPECT_EQ(saveTemplate(store, {"T"}, t, messenger).status, EditStatus::Done);
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), "\r\n" + blockOf(t));
}

TEST(SaveTemplate, SavedTemplateAppliesBackAfterARestartExactly) {
    TemplateFolder folder;
    ColumnSlots slots;
    int variables[slotCount] = {Year,   DOY,    Solar,  TMax, TMin,         Precip,
                                RelHum, WndSpd, Ignore, -1,   SunHrPercent, YYDOY};
    for (int k = 0; k < slotCount; ++k)
        slots.chooseVariable(k, variables[k]);
    slots[2].unit = 2;
    slots[3].unit = 1;
    slots[5].unit = 1;
    slots[7].unit = 0;
    RecordingMessenger messenger;
    {
        TemplateStore store(folder.work);
        ASSERT_EQ(saveTemplate(store, {}, templateFromSlots("14", slots, "Mine"), messenger).status,
                  EditStatus::Done);
    }
    WorkFolder restarted(folder.temp.path());
    TemplateStore store(restarted);
    ColumnSlots fresh;
    fresh.chooseVariable(0, Precip); // something to be replaced
    std::string rows;
    EXPECT_EQ(store.applyTemplate(store.loadNames().at(0), rows, fresh, messenger),
              ApplyOutcome::Applied);
    EXPECT_EQ(rows, "14");
    expectSameSlots(fresh, slots);
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(ThreeTemplates, RenameChangesOnlyTheNameLineAndResortsTheList) {
    EXPECT_EQ(renameTemplate(store, names, 0, "d", messenger), EditStatus::Done);
    EXPECT_EQ(names, (Names{"b", "c", "d"}));
    EXPECT_TRUE(messenger.events().empty());
    DataTemplate d = a;
    d.name = "d";
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), blockOf(b) + blockOf(d) + blockOf(c));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "b\r\nc\r\nd\r\n");
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());

    // The renamed template is found under its new name.
    ColumnSlots slots;
    std::string rows;
    EXPECT_EQ(store.applyTemplate("d", rows, slots, messenger), ApplyOutcome::Applied);
    EXPECT_EQ(rows, "2");
    EXPECT_EQ(slots[0].variable, 2);
}

TEST_F(ThreeTemplates, RenameRefusesAnEmptyOrTakenNameAndWritesNothing) {
    EXPECT_EQ(renameTemplate(store, names, 1, "", messenger), EditStatus::Refused);
    EXPECT_EQ(renameTemplate(store, names, 1, "c", messenger), EditStatus::Refused);
    EXPECT_EQ(messenger.events(), (Events{"tone: error", "error: No name is given.", "tone: error",
                                          "error: A template of the same name already exists."}));
    EXPECT_EQ(names, (Names{"A", "b", "c"}));
    expectFilesUnchanged();

    // Its own name, or another letter case, is no clash.
    messenger.clear();
    EXPECT_EQ(renameTemplate(store, names, 1, "b", messenger), EditStatus::Done);
    EXPECT_EQ(renameTemplate(store, names, 1, "C", messenger), EditStatus::Done);
    EXPECT_EQ(names, (Names{"A", "C", "c"}));
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(ThreeTemplates, DeleteRemovesTheBlockAfterYesOnly) {
    messenger.answerNext(false);
    EXPECT_EQ(deleteTemplate(store, names, 1, messenger), EditStatus::Refused);
    expectFilesUnchanged();
    messenger.answerNext(true);
    EXPECT_EQ(deleteTemplate(store, names, 1, messenger), EditStatus::Done);
    EXPECT_EQ(messenger.events(), (Events{"confirm: Delete this template? -> No",
                                          "confirm: Delete this template? -> Yes"}));
    EXPECT_EQ(names, (Names{"A", "c"}));
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), blockOf(a) + blockOf(c));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "A\r\nc\r\n");
    EXPECT_EQ(deleteTemplate(store, names, 5, messenger), EditStatus::Refused);
}

TEST_F(ThreeTemplates, DeletingDownToTheOnlyTemplateAndItLeavesTwoEmptyFiles) {
    for (int left = 3; left > 0; --left)
        ASSERT_EQ(deleteTemplate(store, names, 0, messenger), EditStatus::Done);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), "");
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "");
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
}

TEST_F(ThreeTemplates, ListEntryWithoutABlockIsDeletedFromTheList) {
    names.push_back("Ghost");
    EXPECT_EQ(deleteTemplate(store, names, 3, messenger), EditStatus::Done);
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), blockOf(b) + blockOf(a) + blockOf(c));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), list);
}

TEST_F(ThreeTemplates, BrokenBlockStructureLeavesTheFilesAsTheyWere) {
    for (std::string broken : {std::string(), std::string("\r\n\r\n"), blockOf(a) + "\r\n",
                               blockOf(a) + "Name only\r\n", blockOf(a) + "b\r\n1\r\n"}) {
        SCOPED_TRACE(broken);
        settings = broken;
        SetUp();
        messenger.clear();
        EXPECT_EQ(deleteTemplate(store, names, 0, messenger), EditStatus::Failed);
        EXPECT_EQ(renameTemplate(store, names, 0, "V", messenger), EditStatus::Failed);
        EXPECT_EQ(messenger.events(), (Events{"confirm: Delete this template? -> Yes", problems[0],
                                              problems[1], problems[0], problems[1]}));
        EXPECT_EQ(names, (Names{"A", "b", "c"}));
        expectFilesUnchanged();
    }
}

TEST_F(ThreeTemplates, FailingSettingsWriteRestoresTheOriginalThenReports) {
    writes.failingName = "TemplateSettings.clx";
    const std::vector<std::function<EditStatus()>> operations = {
        [&] { return deleteTemplate(store, names, 1, messenger); },
        [&] { return renameTemplate(store, names, 1, "W", messenger); },
        [&] { return saveTemplate(store, names, sample("b", "5", 5), messenger).status; }};
    for (const auto& operation : operations) {
        EXPECT_EQ(operation(), EditStatus::Failed);
        expectFilesUnchanged();
    }
    const std::string failure =
        "error: Write error on file \"" + (folder.temp / "TemplateSettings.clx").string() + "\".";
    EXPECT_EQ(messenger.events(), (Events{"confirm: Delete this template? -> Yes", "tone: error",
                                          failure, "tone: error", failure, "tone: exclamation",
                                          overwriteQuestion + "Yes", "tone: error", failure}));
    EXPECT_EQ(names, (Names{"A", "b", "c"}));
}

TEST_F(ThreeTemplates, FailingListWriteRestoresTheSettingsAndKeepsTheList) {
    writes.failingName = "TemplateList.~";
    SaveResult result = saveTemplate(store, names, sample("New", "2", 2), messenger);
    EXPECT_EQ(result.status, EditStatus::Failed);
    EXPECT_EQ(result.names, names);
    expectFilesUnchanged();
    EXPECT_EQ(deleteTemplate(store, names, 0, messenger), EditStatus::Failed);
    expectFilesUnchanged();
    EXPECT_EQ(renameTemplate(store, names, 0, "U", messenger), EditStatus::Failed);
    expectFilesUnchanged();
    const std::string failure =
        "error: Write error on file \"" + (folder.temp / "TemplateList.~").string() + "\".";
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", failure, "confirm: Delete this template? -> Yes",
                      "tone: error", failure, "tone: error", failure}));
    EXPECT_EQ(names, (Names{"A", "b", "c"}));
}

TEST_F(ThreeTemplates, MissingSettingsFileIsReportedByRenameAndDelete) {
    std::filesystem::remove(folder.temp / "TemplateSettings.clx");
    EXPECT_EQ(renameTemplate(store, names, 0, "U", messenger), EditStatus::Failed);
    EXPECT_EQ(deleteTemplate(store, names, 0, messenger), EditStatus::Failed);
    std::string cannotOpen =
        "error: Cannot open file \"" + (folder.temp / "TemplateSettings.clx").string() + "\".";
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", cannotOpen, "confirm: Delete this template? -> Yes",
                      "tone: error", cannotOpen}));
    EXPECT_EQ(folder.files(), std::set<std::string>{"TemplateList.clx"});
}

TEST_F(ThreeTemplates, StaleBackupIsReplacedAndRemoved) {
    folder.put("TemplateOld.clx", "left over");
    EXPECT_EQ(renameTemplate(store, names, 0, "S", messenger), EditStatus::Done);
    DataTemplate s = a;
    s.name = "S";
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), blockOf(b) + blockOf(s) + blockOf(c));
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
}

TEST(TemplateListAvailable, MissingListIsReported) {
    TemplateFolder folder;
    TemplateStore store(folder.work);
    RecordingMessenger messenger;
    EXPECT_FALSE(templateListAvailable(store, messenger));
    EXPECT_EQ(messenger.events(), (Events{"tone: error", "error: No template list is found."}));
    folder.put("TemplateList.clx", "");
    messenger.clear();
    EXPECT_TRUE(templateListAvailable(store, messenger));
    EXPECT_TRUE(messenger.events().empty());
}
