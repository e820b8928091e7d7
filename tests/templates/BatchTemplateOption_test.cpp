#include "templates/TemplateEditing.h"
#include "templates/TemplateTestFiles.h"
#include "testing/RecordingMessenger.h"

#include "testing/BatchRunner.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace climora;
using namespace climora::testing;

namespace {

// Runs climora-batch with the blank-separated arguments (paths hold no blanks).
BatchRun runBatch(const TempFolder& scratch, const std::string& arguments) {
    std::vector<std::string> args;
    std::istringstream words(arguments);
    for (std::string word; words >> word;)
        args.push_back(word);
    return climora::testing::runBatch(scratch.path(), args, scratch.path());
}

const std::string input = "Station X\r\nyear doy srad tmax tmin rain\r\n"
                          "2001 1 10.5 20.1 5.2 0\r\n2001 2 11.5 21.1 6.2 1.5\r\n";
const std::string explicitColumns =
    "--columns Year,DOY,Solar:Langley,T-max:oF,T-min:oF,Precip:inch";

// A work folder holding the template "Station" (2 rows; Langley, oF, inch).
struct BatchWithTemplate : ::testing::Test {
    TempFolder scratch;
    TemplateFolder folder;
    std::string inputArgument;
    std::string workArgument;

    void SetUp() override {
        writeBytes(scratch / "in.txt", input);
        inputArgument = (scratch / "in.txt").string();
        workArgument = "--workfolder " + folder.temp.path().string();
        DataTemplate station;
        station.name = "Station";
        station.rowsBeforeData = "2";
        station.variablePositions = {Year, DOY, Solar, TMax, TMin, Precip, -1, -1, -1, -1, -1, -1};
        station.unitPositions = {-1, -1, 1, 1, 1, 2, -1, -1, -1, -1, -1, -1};
        RecordingMessenger messenger;
        ASSERT_EQ(saveTemplate(TemplateStore(folder.work), {}, station, messenger).status,
                  EditStatus::Done);
    }
};

} // namespace

TEST_F(BatchWithTemplate, TemplateGivesTheRowsAndColumns) {
    BatchRun spelledOut = runBatch(scratch, "--rows 2 " + explicitColumns + " " + inputArgument);
    ASSERT_EQ(spelledOut.exitStatus, 0) << spelledOut.errors;
    BatchRun templated = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_EQ(templated.exitStatus, 0) << templated.errors;
    EXPECT_EQ(templated.output, spelledOut.output);
    EXPECT_NE(templated.output.find("2001\t2\t"), std::string::npos);
}

TEST_F(BatchWithTemplate, RowsAndColumnsOverrideTheTemplate) {
    BatchRun expected =
        runBatch(scratch, "--rows 3 --columns Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm " +
                              inputArgument);
    ASSERT_EQ(expected.exitStatus, 0) << expected.errors;
    BatchRun overridden = runBatch(
        scratch,
        "--rows 3 " + workArgument +
            " --columns Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm --template Station " +
            inputArgument);
    EXPECT_EQ(overridden.exitStatus, 0) << overridden.errors;
    EXPECT_EQ(overridden.output, expected.output);
    BatchRun templated = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_NE(overridden.output, templated.output);
}

TEST_F(BatchWithTemplate, UnknownTemplateStopsBeforeTheRun) {
    BatchRun run = runBatch(scratch, workArgument + " --template station " + inputArgument);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "error: Settings are not found for the selected template.\n");
}

TEST_F(BatchWithTemplate, WorkFolderTemporariesAreDeletedAndSettingsKept) {
    folder.put("Input.~", "left over");
    folder.put("~1.xls", "left over");
    BatchRun run = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());

    BatchRun missing =
        runBatch(scratch, "--workfolder " + (scratch / "none").string() + " " + inputArgument);
    EXPECT_EQ(missing.exitStatus, 2);
}

TEST_F(BatchWithTemplate, WithoutWorkFolderTheUsersWorkFolderIsRead) {
    ScopedDataHome home;
    std::filesystem::create_directories(home.workFolder());
    for (const char* name : {"TemplateList.clx", "TemplateSettings.clx"})
        std::filesystem::copy_file(folder.temp / name, home.workFolder() / name);
    BatchRun run = runBatch(scratch, "--template Station " + inputArgument);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output,
              runBatch(scratch, "--rows 2 " + explicitColumns + " " + inputArgument).output);
    // The run itself used a private folder: the user's got no run files, only
    // the shipped settings it lacked, and kept its own templates.
    for (const auto& entry : std::filesystem::directory_iterator(home.workFolder()))
        EXPECT_NE(entry.path().extension(), ".~") << entry.path();
    EXPECT_EQ(readBytes(home.workFolder() / "TemplateList.clx"),
              readBytes(folder.temp / "TemplateList.clx"));
}
