#include "testing/BatchRunner.h"

#include "base/TextFile.h"
#include "batch/BatchRun.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace climora::testing {
namespace fs = std::filesystem;

namespace {

// The working directory and TMPDIR of one run, restored afterwards.
class RunSurroundings {
  public:
    RunSurroundings(const fs::path& folder, const fs::path& temp)
        : folder_(fs::current_path()), temp_(readTemp()) {
        fs::current_path(folder);
        setenv("TMPDIR", temp.c_str(), 1);
    }
    ~RunSurroundings() {
        fs::current_path(folder_);
        if (temp_)
            setenv("TMPDIR", temp_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    RunSurroundings(const RunSurroundings&) = delete;
    RunSurroundings& operator=(const RunSurroundings&) = delete;

  private:
    static std::optional<std::string> readTemp() {
        const char* value = std::getenv("TMPDIR");
        return value ? std::optional<std::string>(value) : std::nullopt;
    }

    fs::path folder_;
    std::optional<std::string> temp_;
};

std::string fileOr(const fs::path& file, const std::string& fallback) {
    return fs::exists(file) ? readBytes(file) : fallback;
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
                  const fs::path& scratch, const std::string& standardInput) {
    fs::path temp = scratch / "tmp";
    fs::create_directories(temp);
    writeBytes(scratch / "stdin", standardInput);
    std::FILE* in = std::fopen((scratch / "stdin").c_str(), "rb");
    std::FILE* out = std::fopen((scratch / "stdout").c_str(), "wb");
    std::FILE* err = std::fopen((scratch / "stderr").c_str(), "wb");
    BatchRun run;
    if (in && out && err) {
        RunSurroundings surroundings(folder, temp);
        run.exitStatus = runBatchCommand(args, in, out, err);
    }
    for (std::FILE* file : {in, out, err})
        if (file)
            std::fclose(file);
    run.output = readBytes(scratch / "stdout");
    run.errors = readBytes(scratch / "stderr");
    separateNotes(run);
    EXPECT_TRUE(fs::is_empty(temp)) << "the private work folder was left behind";
    return run;
}

std::vector<fs::path> caseFolders(const fs::path& casesFolder) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(casesFolder))
        if (entry.is_directory())
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::string caseTestName(const ::testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

void expectCase(const fs::path& folder, const std::function<void(const BatchRun&)>& extraCheck) {
    std::vector<std::string> description = readTextLines(folder / "description");
    ASSERT_EQ(description.size(), 1u) << "a case says what it shows in one line";
    SCOPED_TRACE(folder.filename().string() + ": " + description.front());
    TempFolder scratch;
    BatchRun run = runBatch(folder, readTextLines(folder / "args"), scratch.path());
    if (std::getenv("CLIMORA_REGENERATE_CASES")) {
        writeExpected(folder, run);
        return;
    }
    EXPECT_EQ(run.output, readBytes(folder / "expected-output"));
    EXPECT_EQ(run.errors, fileOr(folder / "expected-stderr", ""));
    EXPECT_EQ(run.notes, fileOr(folder / "expected-notes", ""));
    EXPECT_EQ(std::to_string(run.exitStatus) + "\n", fileOr(folder / "expected-exit", "0\n"));
    if (extraCheck)
        extraCheck(run);
}

} // namespace climora::testing
