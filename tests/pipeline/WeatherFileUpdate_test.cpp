#include "base/TextFile.h"
#include "notes/NumberPlace.h"
#include "output/WeatherFileUpdateCommand.h"
#include "pipeline/WeatherFileUpdate.h"
#include "pipeline/WeatherFileUpdateMerge.h"
#include "testing/BatchRunner.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sys/wait.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

const Lines fileHeader = {"Station Alder Creek", "40.5 -96.7 360  Lat (deg), long (deg), elev(m)",
                          "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET",
                          "\t\tMJ/m2\toC\toC\t%\tmm\tmm"};

std::string day(int year, int doy) {
    return std::to_string(year) + "\t" + std::to_string(doy) + "\t14.25\t3.4\t-8.0\t71\t0.0\t0.9";
}

// Days first..last of one year.
Lines days(int year, int first, int last) {
    Lines lines;
    for (int d = first; d <= last; ++d)
        lines.push_back(day(year, d));
    return lines;
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string crlf(const Lines& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string askedAboutGap =
    "confirm: The first day in the output data does not continue from "
    "the end of the existing file. Update anyway? -> ";

// The output panel after a task 2 run: title, column names, unit line, data.
Lines panel(const Lines& data) {
    return Lines{"Station Alder Creek 2005", fileHeader[2], fileHeader[3]} + data;
}

// The process ends here: no step after it, no clean-up, runs.
struct Killed {};

// Records every file-system step by file names, fails the ones asked for
// and ends the process at the one asked for.
struct FaultySteps : ReplaceSteps {
    std::set<std::string> failing;
    std::string killedAt;
    Lines calls;

    void step(const std::string& call) {
        calls.push_back(call);
        if (call == killedAt)
            throw Killed{};
        if (failing.count(call))
            throw FileError("Simulated failure.");
    }
    void writeNew(const fs::path& file, const Lines& lines) override {
        if (killedAt == "write " + file.filename().string())
            writeBytes(file, lines.front()); // killed halfway
        step("write " + file.filename().string());
        ReplaceSteps::writeNew(file, lines);
    }
    void rename(const fs::path& from, const fs::path& to) override {
        step("rename " + from.filename().string() + " -> " + to.filename().string());
        ReplaceSteps::rename(from, to);
    }
    void remove(const fs::path& file) override {
        step("remove " + file.filename().string());
        ReplaceSteps::remove(file);
    }
    void link(const fs::path& existing, const fs::path& newName) override {
        step("link " + existing.filename().string() + " -> " + newName.filename().string());
        ReplaceSteps::link(existing, newName);
    }
    void syncFile(const fs::path& file) override {
        step("sync " + file.filename().string());
        ReplaceSteps::syncFile(file);
    }
    void syncFolder(const fs::path& folder) override {
        step("sync folder");
        ReplaceSteps::syncFolder(folder);
    }
};

// The steps of one replacement of site.wth.
const Lines replacementSteps = {"write site.wth.new~",
                                "sync site.wth.new~",
                                "link site.wth -> site.wth.old~",
                                "rename site.wth.new~ -> site.wth",
                                "rename site.wth.old~ -> site.wth.old",
                                "sync folder"};

struct UpdateFixture : ::testing::Test {
    TempFolder dir;
    FrameState frame;
    ScriptedFileDialogs dialogs;
    RecordingMessenger messenger;
    FaultySteps steps;
    fs::path target = dir / "site.wth";
    fs::path old = dir / "site.wth.old";
    Lines notes; // the notes on unreadable numbers, as the front ends show them

    UpdateFixture() { frame.defaultOutputFolder = "/start/"; }

    void existing(const Lines& data) { writeBytes(target, crlf(fileHeader + data)); }

    UpdateOutcome update(const Lines& outputLines, int task = 2) {
        dialogs.nextOpen = FileChoice{target.string(), 1};
        return updateWeatherFileCommand(
            outputLines, task, frame, dialogs, messenger, steps,
            [this](const NumberPlace& place) { notes.push_back(locationNote(place).text); });
    }

    Lines updatedEvents() const {
        return {"tone: exclamation",
                "information: site.wth is now updated. The origina file is renamed to "
                "'site.wth.old.'"};
    }

    long fileCount() const {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    }

    // Only the file itself is left in the folder.
    void expectUntouched(const std::string& bytes) {
        EXPECT_EQ(readBytes(target), bytes);
        EXPECT_EQ(fileCount(), 1);
        EXPECT_EQ(frame.defaultOutputFolder, "/start/");
    }
};

} // namespace

// ---- The cases of a successful update ----

TEST_F(UpdateFixture, DaysAfterTheFilesLastDayAreAppendedAndTheOriginalKeptAsOld) {
    struct Case {
        const char* what;
        Lines existingData, output, expectedData;
    };
    const Lines titledByYear = {"2005 data of Alder Creek", fileHeader[2], fileHeader[3]};
    const std::vector<Case> cases = {
        {"overlap", days(2005, 110, 120), panel(days(2005, 100, 130)), days(2005, 110, 130)},
        {"the day after", days(2005, 118, 120), panel(days(2005, 121, 125)), days(2005, 118, 125)},
        {"only the last line new", days(2005, 118, 120), panel(days(2005, 115, 121)),
         days(2005, 118, 121)},
        {"one day below the unit line", days(2005, 119, 120), panel({day(2005, 121)}),
         days(2005, 119, 121)},
        {"leap year ends", days(2004, 365, 366), panel(days(2004, 360, 366) + days(2005, 1, 3)),
         days(2004, 365, 366) + days(2005, 1, 3)},
        {"year ends", days(2005, 364, 365), panel(days(2006, 1, 2)),
         days(2005, 364, 365) + days(2006, 1, 2)},
        // Every 400th year is a leap year, other century years are not.
        {"leap century ends", days(2000, 365, 366), panel(days(2001, 1, 2)),
         days(2000, 365, 366) + days(2001, 1, 2)},
        {"common century ends", days(1900, 364, 365), panel(days(1901, 1, 2)),
         days(1900, 364, 365) + days(1901, 1, 2)},
        // The title begins with the data's year, the data on 31 December.
        {"31 December", days(2004, 364, 365),
         titledByYear + days(2004, 366, 366) + days(2005, 1, 2),
         days(2004, 364, 366) + days(2005, 1, 2)},
        {"existing data end at a year of 0", days(2005, 119, 120) + Lines{"0\t0", day(2005, 200)},
         panel({day(2005, 121)}), days(2005, 119, 121)},
        {"blanks between year and day become one tab",
         {"2005  119\t1.00\t2.0", "", "  2005 \t 120   3.00\t4.0"},
         panel({day(2005, 121)}),
         {"2005\t119\t1.00\t2.0", "2005\t120   3.00\t4.0", day(2005, 121)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        existing(c.existingData);
        std::string before = readBytes(target);
        messenger.clear();
        frame.defaultOutputFolder = "/start/";
        EXPECT_EQ(update(c.output), UpdateOutcome::Updated);
        EXPECT_EQ(readBytes(target), crlf(fileHeader + c.expectedData));
        EXPECT_EQ(readBytes(old), before);
        EXPECT_EQ(messenger.events(), updatedEvents());
        EXPECT_EQ(frame.defaultOutputFolder, dir.path().string() + "/");
        EXPECT_EQ(fileCount(), 2); // no temporary left behind
    }
    ASSERT_TRUE(dialogs.lastRequest);
    EXPECT_EQ(dialogs.lastRequest->title, "Select the weather file to be updated for Agrovia use");
    EXPECT_EQ(dialogs.lastRequest->filter, "Agrovia weather file (.wth)|*.wth|All files(*.*)|*.*");
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/start/");
    EXPECT_EQ(dialogs.lastRequest->suggestedName, "");
}

TEST_F(UpdateFixture, GapAsksAndYesAppendsLeavingTheGap) {
    existing(days(2005, 118, 120));
    messenger.answerNext(true);
    EXPECT_EQ(update(panel(days(2005, 125, 127))), UpdateOutcome::Updated);
    EXPECT_EQ(readBytes(target), crlf(fileHeader + days(2005, 118, 120) + days(2005, 125, 127)));
    EXPECT_EQ(messenger.events(), (Lines{"tone: error", askedAboutGap + "Yes"} + updatedEvents()));
}

TEST_F(UpdateFixture, GapAnsweredNoChangesNothing) {
    existing(days(2005, 118, 120));
    std::string before = readBytes(target);
    messenger.answerNext(false);
    EXPECT_EQ(update(panel(days(2005, 125, 127))), UpdateOutcome::Declined);
    expectUntouched(before);
    // Day 365 of a leap year is not its last day.
    existing(days(2004, 364, 365));
    before = readBytes(target);
    messenger.answerNext(false);
    EXPECT_EQ(update(panel(days(2005, 1, 2))), UpdateOutcome::Declined);
    expectUntouched(before);
    EXPECT_EQ(messenger.events(),
              (Lines{"tone: error", askedAboutGap + "No", "tone: error", askedAboutGap + "No"}));
}

TEST_F(UpdateFixture, NothingAfterTheLastDayChangesNothing) {
    existing(days(2005, 110, 120));
    std::string before = readBytes(target);
    const Lines noNeed = {"tone: exclamation", "information: No need to update the existing file."};

    EXPECT_EQ(update(panel(days(2005, 100, 119))), UpdateOutcome::NothingNew);
    EXPECT_EQ(update(panel(days(2005, 100, 120))), UpdateOutcome::NothingNew);
    // Blank lines after the repeated last day bring nothing either.
    EXPECT_EQ(update(panel(days(2005, 119, 120) + Lines{"", "  "})), UpdateOutcome::NothingNew);
    expectUntouched(before);
    EXPECT_EQ(messenger.events(), noNeed + noNeed + noNeed);
}

TEST_F(UpdateFixture, SecondUpdateReplacesTheEarlierOld) {
    existing(days(2005, 118, 120));
    ASSERT_EQ(update(panel(days(2005, 121, 122))), UpdateOutcome::Updated);
    std::string afterFirst = readBytes(target);
    ASSERT_EQ(update(panel(days(2005, 123, 124))), UpdateOutcome::Updated);
    EXPECT_EQ(readBytes(old), afterFirst);
    EXPECT_EQ(readBytes(target), crlf(fileHeader + days(2005, 118, 124)));
    EXPECT_EQ(fileCount(), 2);
    EXPECT_EQ(steps.calls, replacementSteps + replacementSteps);
}

TEST_F(UpdateFixture, NewFileKeepsThePermissionsOfTheOld) {
    existing(days(2005, 119, 120));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(update(panel(days(2005, 121, 121))), UpdateOutcome::Updated);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// ---- The one-time notice and the dialog ----

TEST_F(UpdateFixture, NoticeOnlyOutsideTask2AndOnlyOnce) {
    EXPECT_EQ(updateWeatherFileCommand({}, 2, frame, dialogs, messenger, steps),
              UpdateOutcome::Cancelled);
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_TRUE(frame.updateNoticePending);

    EXPECT_EQ(updateWeatherFileCommand({}, 1, frame, dialogs, messenger, steps),
              UpdateOutcome::Cancelled);
    EXPECT_EQ(updateWeatherFileCommand({}, 3, frame, dialogs, messenger, steps),
              UpdateOutcome::Cancelled);
    EXPECT_EQ(messenger.events(),
              (Lines{"information: The data must comply to the format for Agrovia."}));
    EXPECT_FALSE(frame.updateNoticePending);
    EXPECT_TRUE(steps.calls.empty());
    EXPECT_EQ(updateExitCode(UpdateOutcome::Cancelled), 0);
    EXPECT_EQ(frame.defaultOutputFolder, "/start/");
}

// ---- Where the output's data begin ----

TEST(OutputDataStart, LineAfterTheUnitLine) {
    // The title begins with the data's year; the data begin on 31 December.
    Lines lines = {"2005 data of Alder Creek", fileHeader[2], fileHeader[3], day(2004, 366),
                   day(2005, 1)};
    EXPECT_EQ(findOutputDataStart(lines), 3u);
    EXPECT_EQ(findOutputDataStart({fileHeader[3], day(2005, 7)}), 1u);
    EXPECT_EQ(findOutputDataStart({"Title", fileHeader[3], "", " "}), std::nullopt);
}

TEST(OutputDataStart, WithoutUnitLineTheRunLeadingToTheFirstMatch) {
    Lines lines = {"2005 data of Alder Creek", "40.5  (Lat.)", day(2004, 366), day(2005, 1),
                   day(2005, 2)};
    EXPECT_EQ(findOutputDataStart(lines), 2u);
    EXPECT_EQ(findOutputDataStart({"Title", day(2005, 1), day(2005, 2)}), 1u);
}

TEST(OutputDataStart, NoTwoDataLinesOfOneYearFindNothing) {
    EXPECT_EQ(findOutputDataStart({}), std::nullopt);
    EXPECT_EQ(findOutputDataStart({"Title", day(2005, 1)}), std::nullopt);
    EXPECT_EQ(findOutputDataStart({"Title", day(2003, 1), day(2004, 1), day(2005, 1)}),
              std::nullopt);
    EXPECT_EQ(findOutputDataStart({"No suspicious data are spotted."}), std::nullopt);
}

// ---- Files and panels the update refuses; nothing changes ----

TEST_F(UpdateFixture, UnusableExistingFilesAreReportedAndLeftAlone) {
    const std::string problems =
        "error: The program has encountered problems. Please update the existing file manually.";
    const std::string invalidNumber = "error: Invalid numeric input";
    struct Case {
        std::string bytes;
        std::string message;
        std::string note = "";
    };
    const std::vector<Case> cases = {
        {"", problems},
        {crlf({"Title", "40.5", day(2005, 1)}), problems},
        {crlf(fileHeader), problems},
        {crlf(fileHeader + Lines{"", "0\t0"}), problems},
        {std::string("\x7F"
                     "ELF\0\0\x01\x02",
                     8),
         "error: site.wth is not a text file. The existing file is not changed."},
        {crlf(fileHeader + Lines{"2005,1,14.2,3.4", "2005,2,14.2,3.4"}), invalidNumber,
         "line 5, value 1 of \"site.wth\": \"2005,1,14.2,3.4\""},
        {crlf(fileHeader + days(2005, 1, 2) + Lines{"end of data"}), invalidNumber,
         "line 7, value 1 of \"site.wth\": \"end\""},
        {crlf(fileHeader + Lines{"2005 12.5 1.0"}), invalidNumber,
         "line 5, value 2 of \"site.wth\": \"12.5\""},
        {crlf(fileHeader + Lines{"2005-01-01 1"}), invalidNumber,
         "line 5, value 1 of \"site.wth\": \"2005-01-01\""},
        {crlf(fileHeader + Lines{"2005"}),
         "error: The day of year is missing on line 5 of site.wth. The existing file is not "
         "changed."},
        {crlf(fileHeader + days(2005, 365, 366)),
         "error: Day 366 of 2005 on line 6 of site.wth is not a date. The existing file is not "
         "changed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        writeBytes(target, c.bytes);
        messenger.clear();
        notes.clear();
        EXPECT_EQ(update(panel(days(2005, 100, 130))), UpdateOutcome::Refused);
        EXPECT_EQ(messenger.events(), (Lines{"tone: error", c.message}));
        EXPECT_EQ(notes, c.note.empty() ? Lines{} : Lines{c.note});
        expectUntouched(c.bytes);
    }
    EXPECT_TRUE(steps.calls.empty());
    EXPECT_EQ(updateExitCode(UpdateOutcome::Refused), 1);
}

TEST_F(UpdateFixture, ReadOnlyOrMissingFileIsRefused) {
    existing(days(2005, 119, 120));
    std::string before = readBytes(target);
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(update(panel(days(2005, 121, 122))), UpdateOutcome::Refused);
    EXPECT_EQ(messenger.events(),
              (Lines{"tone: error", "error: site.wth is read-only. The existing file is not "
                                    "changed."}));
    expectUntouched(before);

    fs::remove(target);
    messenger.clear();
    EXPECT_EQ(update(panel(days(2005, 121, 122))), UpdateOutcome::Refused);
    ASSERT_EQ(messenger.events().size(), 2u);
    EXPECT_EQ(messenger.events()[1], "error: Cannot open file \"" + target.string() +
                                         "\". No such file or directory. The existing file is "
                                         "not changed.");
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST_F(UpdateFixture, OutputPanelWithoutReadableDataIsRefused) {
    existing(days(2005, 119, 120));
    std::string before = readBytes(target);
    struct Case {
        Lines panel;
        std::string message;
        std::string note = "";
    };
    const std::vector<Case> cases = {
        {{},
         "error: The program has encountered problems. Please update the existing file "
         "manually."},
        {{"Missing values are found on the following lines:", "", "2005 3 x"},
         "error: The program has encountered problems. Please update the existing file "
         "manually."},
        {panel(days(2005, 118, 119) + Lines{"2005 1x2 3"}), "error: Invalid numeric input",
         "line 6, value 2 of the output panel: \"1x2\""},
        {panel(days(2005, 118, 119) + Lines{"2005 367 3"}),
         "error: Day 367 of 2005 on line 6 of the output panel is not a date. The existing file "
         "is not changed."},
        {panel(Lines{day(0, 121), day(0, 122)}),
         "error: Day 121 of 0 on line 4 of the output panel is not a date. The existing file is "
         "not changed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messenger.clear();
        notes.clear();
        EXPECT_EQ(update(c.panel), UpdateOutcome::Refused);
        EXPECT_EQ(messenger.events(), (Lines{"tone: error", c.message}));
        EXPECT_EQ(notes, c.note.empty() ? Lines{} : Lines{c.note});
        expectUntouched(before);
    }
}

// ---- Failures while replacing the file ----

TEST_F(UpdateFixture, FailedReplacementLeavesTheFileAndItsOldAsTheyWere) {
    for (const std::string& failing : replacementSteps) {
        if (failing == "sync folder") // a best effort that cannot fail
            continue;
        SCOPED_TRACE(failing);
        existing(days(2005, 119, 120));
        writeBytes(old, "earlier version\r\n");
        std::string before = readBytes(target);
        steps.failing = {failing};
        messenger.clear();
        EXPECT_EQ(update(panel(days(2005, 121, 122))), UpdateOutcome::ReplaceFailed);
        EXPECT_EQ(readBytes(target), before);
        EXPECT_EQ(readBytes(old), "earlier version\r\n");
        EXPECT_EQ(fileCount(), 2);
        EXPECT_EQ(messenger.events(),
                  (Lines{"tone: error", "error: Could not update \"" + target.string() +
                                            "\". Simulated failure. The file is not changed."}));
        EXPECT_EQ(frame.defaultOutputFolder, "/start/");
    }
    EXPECT_EQ(updateExitCode(UpdateOutcome::ReplaceFailed), 2);
}

TEST_F(UpdateFixture, FailedRestoreSaysWhereThePreviousVersionIs) {
    existing(days(2005, 119, 120));
    writeBytes(old, "earlier version\r\n");
    std::string before = readBytes(target);
    steps.failing = {"rename site.wth.old~ -> site.wth.old", "rename site.wth.old~ -> site.wth"};
    EXPECT_EQ(update(panel(days(2005, 121, 122))), UpdateOutcome::ReplaceFailed);
    EXPECT_EQ(readBytes(target), crlf(fileHeader + days(2005, 119, 122)));
    EXPECT_EQ(readBytes(dir / "site.wth.old~"), before);
    EXPECT_EQ(readBytes(old), "earlier version\r\n");
    EXPECT_EQ(messenger.events(),
              (Lines{"tone: error", "error: Could not update \"" + target.string() +
                                        "\". Simulated failure. The file is updated; its "
                                        "previous version is now \"" +
                                        (dir / "site.wth.old~").string() + "\"."}));
}

TEST_F(UpdateFixture, FileIsCompleteWhereverTheProcessIsKilledAndTheNextUpdateCleansUp) {
    const std::string earlier = crlf(fileHeader + days(2005, 119, 120));
    const std::string updated = crlf(fileHeader + days(2005, 119, 122));
    for (const std::string& killedAt : replacementSteps) {
        SCOPED_TRACE(killedAt);
        for (const auto& entry : fs::directory_iterator(dir.path()))
            fs::remove(entry.path());
        writeBytes(target, earlier);
        writeBytes(old, "earlier version\r\n");
        steps.killedAt = killedAt;
        EXPECT_THROW(update(panel(days(2005, 121, 122))), Killed);
        std::string afterKill = readBytes(target);
        EXPECT_TRUE(afterKill == earlier || afterKill == updated);
        EXPECT_TRUE(readBytes(old) == "earlier version\r\n" || readBytes(old) == earlier);

        steps.killedAt.clear();
        steps.calls.clear();
        UpdateOutcome next = update(panel(days(2005, 121, 123)));
        EXPECT_EQ(next, UpdateOutcome::Updated);
        EXPECT_EQ(readBytes(target), crlf(fileHeader + days(2005, 119, 123)));
        EXPECT_EQ(readBytes(old), afterKill);
        EXPECT_EQ(fileCount(), 2); // the leftovers were reused
    }
}

TEST_F(UpdateFixture, TemporaryNameAvoidsAFolder) {
    existing(days(2005, 119, 120));
    fs::create_directory(dir / "site.wth.new~");
    ASSERT_EQ(update(panel(days(2005, 121, 121))), UpdateOutcome::Updated);
    EXPECT_TRUE(fs::is_directory(dir / "site.wth.new~"));
    EXPECT_EQ(steps.calls.front(), "write site.wth.new~2");
}

TEST_F(UpdateFixture, SymlinkedFileIsUpdatedWithItsOldBesideIt) {
    fs::create_directory(dir / "links");
    for (const fs::path& link : {dir / "link.wth", dir / "links" / "link.wth"}) {
        SCOPED_TRACE(link.string());
        fs::remove(old);
        existing(days(2005, 119, 120));
        std::string before = readBytes(target);
        fs::create_symlink(target, link);
        dialogs.nextOpen = FileChoice{link.string(), 1};
        messenger.clear();
        ASSERT_EQ(updateWeatherFileCommand(panel(days(2005, 121, 121)), 2, frame, dialogs,
                                           messenger, steps),
                  UpdateOutcome::Updated);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(readBytes(target), crlf(fileHeader + days(2005, 119, 121)));
        EXPECT_EQ(readBytes(old), before);
        EXPECT_EQ(messenger.events(), updatedEvents());
        EXPECT_EQ(frame.defaultOutputFolder, link.parent_path().string() + "/");
        fs::remove(link);
    }
}

// ---- climora-batch --task 2 --update FILE ----

namespace {

struct BatchUpdate : ::testing::Test {
    TempFolder dir;
    TempFolder scratch;
    std::string errors;
    std::string notes;

    static std::string converted(int year, int doy, int tmax) {
        return std::to_string(year) + "\t" + std::to_string(doy) + "\t0.00\t" +
               std::to_string(10 + tmax) + ".0\t1.0\t0\t0.0\t0.0";
    }
    void existing(const std::string& name, int lastDay) {
        writeBytes(dir / name, crlf(expectedDays(lastDay)));
    }
    // Runs the batch on input days first..last of 2005 (T-max 10 + day).
    int run(const std::string& name, int first, int last, bool yes = false) {
        std::string input = "Alder Creek\r\n";
        for (int d = first; d <= last; ++d)
            input += "2005 " + std::to_string(d) + " " + std::to_string(10 + d) + " 1\r\n";
        writeBytes(dir / "input.txt", input);
        std::vector<std::string> args = {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC",
                                         "--task", "2", "--update",  name};
        if (yes)
            args.push_back("--yes");
        args.push_back("input.txt");
        climora::testing::BatchRun batch =
            climora::testing::runBatch(dir.path(), args, scratch.path());
        errors = batch.errors;
        notes = batch.notes;
        return batch.exitStatus;
    }
    Lines expectedDays(int last) const {
        Lines lines = fileHeader;
        for (int d = 1; d <= last; ++d)
            lines.push_back(converted(2005, d, d));
        return lines;
    }
};

} // namespace

TEST_F(BatchUpdate, SuccessNothingNewAndNoEndWithZero) {
    existing("site.wth", 2);
    EXPECT_EQ(run("site.wth", 2, 4), 0);
    EXPECT_EQ(errors, "information: site.wth is now updated. The origina file is renamed to "
                      "'site.wth.old.'\n");
    EXPECT_EQ(readBytes(dir / "site.wth"), crlf(expectedDays(4)));
    EXPECT_EQ(readBytes(dir / "site.wth.old"), crlf(expectedDays(2)));

    EXPECT_EQ(run("site.wth", 1, 4), 0);
    EXPECT_EQ(errors, "information: No need to update the existing file.\n");

    EXPECT_EQ(run("site.wth", 7, 8), 0);
    EXPECT_EQ(errors, "confirm: The first day in the output data does not continue from the end "
                      "of the existing file. Update anyway? -> No\n");
    EXPECT_EQ(readBytes(dir / "site.wth"), crlf(expectedDays(4)));

    EXPECT_EQ(run("site.wth", 7, 7, true), 0);
    EXPECT_EQ(readBytes(dir / "site.wth"), crlf(expectedDays(4) + Lines{converted(2005, 7, 7)}));
}

TEST_F(BatchUpdate, ErrorBoxEndsWithOne) {
    writeBytes(dir / "short.wth", "Title\r\n");
    EXPECT_EQ(run("short.wth", 1, 3), 1);
    EXPECT_EQ(errors, "error: The program has encountered problems. Please update the existing "
                      "file manually.\n");
    EXPECT_EQ(readBytes(dir / "short.wth"), "Title\r\n");
    EXPECT_EQ(notes.find("note: line"), std::string::npos) << notes;

    writeBytes(dir / "odd.wth", crlf(fileHeader + Lines{"2005 1", "x2005 2"}));
    EXPECT_EQ(run("odd.wth", 1, 3), 1);
    EXPECT_EQ(errors, "error: Invalid numeric input\n");
    EXPECT_EQ(notes, "note: no input column for Solar, RelHum, Precip, ET: written as 0 on every "
                     "line\nnote: line 6, value 1 of \"odd.wth\": \"x2005\"\n");
}

TEST_F(BatchUpdate, FailedReplacementEndsWithTwoNamingTheFile) {
    // The temporary name beside it is one character too long for the folder.
    std::string name = std::string(247, 'w') + ".wth";
    existing(name, 2);
    std::string before = readBytes(dir / name);
    EXPECT_EQ(run(name, 3, 4), 2);
    EXPECT_EQ(errors.rfind("error: Could not update \"" + (dir / name).string() + "\".", 0), 0u)
        << errors;
    EXPECT_NE(errors.find("The file is not changed."), std::string::npos);
    EXPECT_EQ(readBytes(dir / name), before);
    EXPECT_FALSE(std::filesystem::exists(dir / (name + ".old")));
}

TEST_F(BatchUpdate, Task2WithoutAFileIsAUsageError) {
    writeBytes(dir / "input.txt", "H\r\n2005 1 1 1\r\n");
    climora::testing::BatchRun batch = climora::testing::runBatch(
        dir.path(),
        {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "--task", "2", "input.txt"},
        scratch.path());
    EXPECT_EQ(batch.exitStatus, 2);
    EXPECT_EQ(batch.errors.rfind("error: task 2 needs --update FILE", 0), 0u);
}
