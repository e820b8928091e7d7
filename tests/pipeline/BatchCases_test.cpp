// Runs climora-batch on every case folder under cases/: the folder holds the
// input, "args" (one argument per line, paths relative to the folder),
// "expected-output" and, when not empty or 0, "expected-stderr" and
// "expected-exit". With CLIMORA_REGENERATE_CASES set the expected files are
// written from the actual run instead (check them before committing).

#include "app/TextFile.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

const fs::path casesFolder = fs::path(__FILE__).parent_path() / "cases";

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct BatchRun {
    std::string output;
    std::string errors;
    int exitStatus = -1;
};

// Runs the program in `folder` with a private temporary folder that must be
// empty again afterwards.
BatchRun runBatch(const fs::path& folder, const std::vector<std::string>& args,
                  const fs::path& scratch) {
    fs::path temp = scratch / "tmp";
    fs::create_directories(temp);
    std::string command = "cd " + quoted(folder.string()) + " && TMPDIR=" + quoted(temp.string()) +
                          " " + quoted(CLIMORA_BATCH_EXE);
    for (const std::string& arg : args)
        command += " " + quoted(arg);
    command += " >" + quoted((scratch / "stdout").string()) + " 2>" +
               quoted((scratch / "stderr").string());
    int status = std::system(command.c_str());
    BatchRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = readBytes(scratch / "stdout");
    run.errors = readBytes(scratch / "stderr");
    EXPECT_TRUE(fs::is_empty(temp)) << "the private work folder was left behind";
    return run;
}

std::string fileOr(const fs::path& file, const std::string& fallback) {
    return fs::exists(file) ? readBytes(file) : fallback;
}

std::vector<fs::path> caseFolders() {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(casesFolder))
        if (entry.is_directory())
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

} // namespace

TEST(BatchCases, EveryCaseGivesItsExpectedOutputMessagesAndStatus) {
    std::vector<fs::path> folders = caseFolders();
    ASSERT_FALSE(folders.empty());
    bool regenerate = std::getenv("CLIMORA_REGENERATE_CASES") != nullptr;
    for (const fs::path& folder : folders) {
        SCOPED_TRACE(folder.filename().string());
        TempFolder scratch;
        BatchRun run = runBatch(folder, climora::readTextLines(folder / "args"), scratch.path());
        if (regenerate) {
            writeBytes(folder / "expected-output", run.output);
            fs::remove(folder / "expected-stderr");
            fs::remove(folder / "expected-exit");
            if (!run.errors.empty())
                writeBytes(folder / "expected-stderr", run.errors);
            if (run.exitStatus != 0)
                writeBytes(folder / "expected-exit", std::to_string(run.exitStatus) + "\n");
            continue;
        }
        EXPECT_EQ(run.output, readBytes(folder / "expected-output"));
        EXPECT_EQ(run.errors, fileOr(folder / "expected-stderr", ""));
        EXPECT_EQ(std::to_string(run.exitStatus) + "\n", fileOr(folder / "expected-exit", "0\n"));
    }
}

TEST(BatchCases, WritesTheOutputFileOnlyWhenTheRunGivesAText) {
    TempFolder scratch;
    writeBytes(scratch / "in.txt", "H\r\n2005 1 5 3\r\n2005 2 6 2\r\n");
    fs::path out = scratch / "out.wth";
    BatchRun run = runBatch(
        scratch.path(),
        {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", out.string(), "in.txt"},
        scratch.path());
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(readBytes(out), "H\r\nYear\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                              "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n"
                              "2005\t1\t0.00\t5.0\t3.0\t0\t0.0\t0.0\r\n"
                              "2005\t2\t0.00\t6.0\t2.0\t0\t0.0\t0.0\r\n");

    writeBytes(scratch / "bad.txt", "H\r\n2005 1 5 3\r\n2005 2 6 1.2.3\r\n");
    writeBytes(out, "earlier result");
    run = runBatch(
        scratch.path(),
        {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", out.string(), "bad.txt"},
        scratch.path());
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.errors, "error: Invalid numeric input\n");
    EXPECT_EQ(readBytes(out), "earlier result");
    EXPECT_FALSE(fs::exists(scratch / "out.wth.partial~"));
}

TEST(BatchCases, HelpDocumentsTheInterface) {
    TempFolder scratch;
    BatchRun run = runBatch(scratch.path(), {"--help"}, scratch.path());
    EXPECT_EQ(run.exitStatus, 0);
    for (const char* part : {"--rows N", "--columns SPEC", "--no-convert", "--site LAT,LON,ELEV",
                             "--update FILE", "--yes", "-o FILE", "KIND: TEXT", "Exit status"})
        EXPECT_NE(run.output.find(part), std::string::npos) << part;
}
