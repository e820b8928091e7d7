// climora-batch's command-line conventions: option forms, standard input,
// the reason a file cannot be opened, and what a run over many files refuses
// before any work.

#include "testing/BatchRunner.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <sys/stat.h>

namespace fs = std::filesystem;
using climora::testing::BatchRun;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

const std::string stationText = "H\r\n2005 1 5 3\r\n";
const std::string columns = "Year,DOY,T-max:oC,T-min:oC";
const std::string usageHint = " (see climora-batch --help)\n";

struct BatchConventions : ::testing::Test {
    TempFolder dir;
    BatchConventions() { writeBytes(dir / "in.txt", stationText); }
    BatchRun run(const std::vector<std::string>& args, const std::string& standardInput = {}) {
        TempFolder scratch;
        return climora::testing::runBatch(dir.path(), args, scratch.path(), standardInput);
    }
};

} // namespace

TEST_F(BatchConventions, EveryOptionFormGivesTheSameRun) {
    BatchRun reference = run({"--rows", "1", "--columns", columns, "in.txt"});
    ASSERT_EQ(reference.exitStatus, 0) << reference.errors;
    writeBytes(dir / "-dash.txt", stationText);
    const std::vector<std::vector<std::string>> forms = {
        {"--rows=1", "--columns=" + columns, "in.txt"},
        {"--rows", "1", "--columns", columns, "--", "in.txt"},
        {"--rows", "1", "--columns", columns, "--", "-dash.txt"},
        {"--rows", "1", "--columns", columns, "-"},
    };
    for (const std::vector<std::string>& args : forms) {
        SCOPED_TRACE(::testing::PrintToString(args));
        BatchRun form = run(args, stationText);
        EXPECT_EQ(form.exitStatus, 0) << form.errors;
        // The output's line above the data names the input.
        std::string expected = reference.output;
        std::string name = args.back() == "-" ? "stdin" : args.back();
        EXPECT_EQ(form.output, std::regex_replace(expected, std::regex("in\\.txt"), name));
    }
}

TEST_F(BatchConventions, InformationOptionsPrintAndEndTheCall) {
    BatchRun help = run({"--help"});
    EXPECT_EQ(run({"-h", "--no-such-option"}).output, help.output);
    EXPECT_NE(help.output.find("\nExamples:\n"), std::string::npos);
    BatchRun version = run({"--version", "in.txt"});
    EXPECT_TRUE(std::regex_match(version.output, std::regex("climora-batch \\d+\\.\\d+\\.\\d+\n")))
        << version.output;
    EXPECT_EQ(version.exitStatus, 0);
}

TEST_F(BatchConventions, RefusalsSayWhyBeforeAnyWork) {
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directories(dir / "stations");
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    writeBytes(dir / "a" / "st.txt", stationText);
    writeBytes(dir / "b" / "st.csv", stationText);
    struct Case {
        std::vector<std::string> args;
        std::string standardInput;
        std::string errors;
    };
    const std::string out = "--output-dir=out";
    const std::vector<Case> cases = {
        {{"missing.txt"},
         "",
         "error: Cannot open file \"missing.txt\": No such file or directory\n"},
        {{"stations"}, "", "error: Cannot open file \"stations\": Is a directory\n"},
        {{"pipe"},
         "",
         "error: Cannot open file \"pipe\": not a regular file (\"-\" reads standard input)\n"},
        {{"--", "--yes"}, "", "error: Cannot open file \"--yes\": No such file or directory\n"},
        {{"-"}, "", "error: The standard input is empty.\n"},
        {{"-"},
         std::string("H\0\1\2", 4),
         "error: The file can't be opened because it is not a text file\n"},
        {{"--yes=1", "in.txt"}, "", "error: --yes takes no value" + usageHint},
        {{"--rows"}, "", "error: --rows needs a value" + usageHint},
        {{"in.txt", "a/st.txt"},
         "",
         "error: several INPUT files need --output-dir DIR" + usageHint},
        {{out, "-o", "x.wth", "in.txt"},
         "",
         "error: -o cannot be used with --output-dir or several INPUT files" + usageHint},
        {{out, "--task", "2", "--update", "x.wth", "in.txt"},
         "",
         "error: --update cannot be used with --output-dir or several INPUT files" + usageHint},
        {{out, "--workfolder", ".", "in.txt"},
         "",
         "error: --workfolder cannot be used with --output-dir or several INPUT files" + usageHint},
        {{out, "-j", "0", "in.txt"},
         "",
         "error: -j needs a whole number of one or more" + usageHint},
        {{out, "-j", "two", "in.txt"},
         "",
         "error: -j needs a whole number of one or more" + usageHint},
        {{out, "in.txt", "-"},
         "",
         "error: standard input (-) can only be the one INPUT" + usageHint},
        {{out, "a/st.txt", "in.txt", "b/st.csv"},
         "",
         "error: \"a/st.txt\" and \"b/st.csv\" would both be written to \"st.wth\"" + usageHint},
        {{out, "in.txt", "stations"},
         "",
         "error: \"stations\" is a folder; give the station files in it instead\n"},
        {{"--output-dir", "in.txt/out", "in.txt"},
         "",
         "error: Cannot create the output folder \"in.txt/out\": Not a directory\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::vector<std::string> args = {"--rows", "1", "--columns", columns};
        args.insert(args.end(), c.args.begin(), c.args.end());
        BatchRun refused = run(args, c.standardInput);
        EXPECT_EQ(refused.errors, c.errors);
        EXPECT_EQ(refused.output, "");
        EXPECT_EQ(refused.exitStatus, 2);
        EXPECT_FALSE(fs::exists(dir / "out"));
    }
}

// The input is read once, as the run goes, so a NUL byte far into the file
// is found late; it is still reported before what the run meets first.
TEST_F(BatchConventions, AFileThatIsNotTextIsReportedBeforeAnythingTheRunMeetsFirst) {
    std::string rows;
    for (int day = 1; rows.size() < (300u << 10); day = day % 365 + 1)
        rows += "2005 " + std::to_string(day) + " 5 3\r\n";
    const std::string lateNul = "H\r\n" + rows + std::string("2005 1 5\0 3\r\n", 13);
    writeBytes(dir / "late-nul.txt", lateNul);
    writeBytes(dir / "unreadable.txt", "H\r\n2005 1 5 x\r\n" + lateNul.substr(3));
    const std::string notText = "error: The file can't be opened because it is not a text file\n";
    const struct {
        const char* what;
        std::vector<std::string> args;
    } cases[] = {
        {"a column without its unit", {"--rows", "1", "--columns", "Year,DOY,T-max,T-min"}},
        {"a sign that is not a number",
         {"--rows", "1", "--columns", columns, "--missing-sign", "x"}},
        {"missing values", {"--rows", "1", "--columns", columns + ",Precip:mm"}},
        {"the data checkup", {"--rows", "1", "--columns", columns, "--task", "3"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("late-nul.txt");
        BatchRun result = run(args);
        EXPECT_EQ(result.errors, notText) << c.what;
        EXPECT_EQ(result.exitStatus, 2) << c.what;
    }
    BatchRun unreadable = run({"--rows", "1", "--columns", columns, "unreadable.txt"});
    EXPECT_EQ(unreadable.errors, notText); // not the unreadable number on line 2
}
