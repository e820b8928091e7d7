#include "app/RecordingMessenger.h"
#include "templates/TemplateEditing.h"
#include "templates/TemplateTestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace climora;
using namespace climora::testing;

namespace {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

// Runs climora-batch with the arguments (each already quoted as needed).
BatchRun runBatch(const TempFolder& scratch, const std::string& arguments) {
    std::string command = std::string("'") + CLIMORA_BATCH_EXE + "' " + arguments + " > '" +
                          (scratch / "out").string() + "' 2> '" + (scratch / "err").string() + "'";
    int status = std::system(command.c_str());
    return {WEXITSTATUS(status), readBytes(scratch / "out"), readBytes(scratch / "err")};
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
        inputArgument = "'" + (scratch / "in.txt").string() + "'";
        workArgument = "--workfolder '" + folder.temp.path().string() + "'";
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
    ASSERT_EQ(spelledOut.status, 0) << spelledOut.err;
    BatchRun templated = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_EQ(templated.status, 0) << templated.err;
    EXPECT_EQ(templated.out, spelledOut.out);
    EXPECT_NE(templated.out.find("2001\t2\t"), std::string::npos);
}

TEST_F(BatchWithTemplate, RowsAndColumnsOverrideTheTemplate) {
    BatchRun expected =
        runBatch(scratch, "--rows 3 --columns Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm " +
                              inputArgument);
    ASSERT_EQ(expected.status, 0) << expected.err;
    BatchRun overridden = runBatch(
        scratch,
        "--rows 3 " + workArgument +
            " --columns Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm --template Station " +
            inputArgument);
    EXPECT_EQ(overridden.status, 0) << overridden.err;
    EXPECT_EQ(overridden.out, expected.out);
    BatchRun templated = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_NE(overridden.out, templated.out);
}

TEST_F(BatchWithTemplate, UnknownTemplateStopsBeforeTheRun) {
    BatchRun run = runBatch(scratch, workArgument + " --template station " + inputArgument);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "error: Settings are not found for the selected template.\n");
}

TEST_F(BatchWithTemplate, WorkFolderTemporariesAreDeletedAndSettingsKept) {
    folder.put("Input.~", "left over");
    folder.put("~1.xls", "left over");
    BatchRun run = runBatch(scratch, workArgument + " --template Station " + inputArgument);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.files(), (std::set<std::string>{"TemplateList.clx", "TemplateSettings.clx"}));

    BatchRun missing =
        runBatch(scratch, "--workfolder '" + (scratch / "none").string() + "' " + inputArgument);
    EXPECT_EQ(missing.status, 2);
}

TEST_F(BatchWithTemplate, WithoutWorkFolderTheUsersWorkFolderIsRead) {
    ScopedDataHome home;
    std::filesystem::create_directories(home.workFolder());
    for (const char* name : {"TemplateList.clx", "TemplateSettings.clx"})
        std::filesystem::copy_file(folder.temp / name, home.workFolder() / name);
    BatchRun run = runBatch(scratch, "--template Station " + inputArgument);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, runBatch(scratch, "--rows 2 " + explicitColumns + " " + inputArgument).out);
    // The run itself used a private folder: nothing was added to the user's.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.workFolder()), {}), 2);
}
