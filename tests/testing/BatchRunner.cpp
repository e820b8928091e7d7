#include "testing/BatchRunner.h"

#include "app/TextFile.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

namespace climora::testing {
namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string fileOr(const fs::path& file, const std::string& fallback) {
    return fs::exists(file) ? readBytes(file) : fallback;
}

std::vector<fs::path> caseFolders(const fs::path& casesFolder) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(casesFolder))
        if (entry.is_directory())
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

void writeExpected(const fs::path& folder, const BatchRun& run) {
    writeBytes(folder / "expected-output", run.output);
    fs::remove(folder / "expected-stderr");
    fs::remove(folder / "expected-exit");
    fs::remove(folder / "expected-notes");
    if (!run.notes.empty())
        writeBytes(folder / "expected-notes", run.notes);
    if (!run.errors.empty())
        writeBytes(folder / "expected-stderr", run.errors);
    if (run.exitStatus != 0)
        writeBytes(folder / "expected-exit", std::to_string(run.exitStatus) + "\n");
}

// Notes are a channel of their own: their lines are taken out of stderr.
void separateNotes(BatchRun& run) {
    std::string errors;
    std::size_t start = 0;
    while (start < run.errors.size()) {
        std::size_t end = run.errors.find('\n', start);
        end = end == std::string::npos ? run.errors.size() : end + 1;
        std::string_view line(run.errors.data() + start, end - start);
        (line.starts_with("note: ") ? run.notes : errors) += line;
        start = end;
    }
    run.errors = std::move(errors);
}

} // namespace

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
    separateNotes(run);
    EXPECT_TRUE(fs::is_empty(temp)) << "the private work folder was left behind";
    return run;
}

void expectEveryCase(const fs::path& casesFolder,
                     const std::function<void(const BatchRun&)>& extraCheck) {
    std::vector<fs::path> folders = caseFolders(casesFolder);
    ASSERT_FALSE(folders.empty());
    bool regenerate = std::getenv("CLIMORA_REGENERATE_CASES") != nullptr;
    for (const fs::path& folder : folders) {
        SCOPED_TRACE(folder.filename().string());
        TempFolder scratch;
        BatchRun run = runBatch(folder, readTextLines(folder / "args"), scratch.path());
        if (regenerate) {
            writeExpected(folder, run);
            continue;
        }
        EXPECT_EQ(run.output, readBytes(folder / "expected-output"));
        EXPECT_EQ(run.errors, fileOr(folder / "expected-stderr", ""));
        EXPECT_EQ(run.notes, fileOr(folder / "expected-notes", ""));
        EXPECT_EQ(std::to_string(run.exitStatus) + "\n", fileOr(folder / "expected-exit", "0\n"));
        if (extraCheck)
            extraCheck(run);
    }
}

} // namespace climora::testing
