// Runs climora-batch on every case folder under cases/: the folder holds the
// input, "args" (one argument per line), "expected-output" and, when not
// empty or 0, "expected-stderr" and "expected-exit". With
// CLIMORA_REGENERATE_CASES set the expected files are written from the actual
// run instead (check them before committing).

#include "app/TextFile.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// Every number field of the output is finite ("nan", "inf" never appear).
void expectOnlyFiniteNumbers(const std::string& output) {
    for (const char* word : {"nan", "inf", "NaN", "INF"})
        EXPECT_EQ(output.find(word), std::string::npos) << word;
}

} // namespace

TEST(EstimationBatchCases, EveryCaseGivesItsExpectedOutputMessagesAndStatus) {
    std::vector<fs::path> folders = caseFolders();
    ASSERT_FALSE(folders.empty());
    bool regenerate = std::getenv("CLIMORA_REGENERATE_CASES") != nullptr;
    for (const fs::path& folder : folders) {
        SCOPED_TRACE(folder.filename().string());
        TempFolder scratch;
        BatchRun run = runBatch(folder, climora::readTextLines(folder / "args"), scratch.path());
        expectOnlyFiniteNumbers(run.output);
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
