#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace climora::testing {

struct BatchRun {
    std::string output;
    std::string errors; // standard error without the "note: " lines
    std::string notes;  // the "note: " lines
    int exitStatus = -1;
};

// Runs climora-batch in-process in `folder` with the arguments, its standard output and
// error caught in `scratch`, and a private temporary folder there that must be
// empty again afterwards. Standard input holds `standardInput`.
BatchRun runBatch(const std::filesystem::path& folder, const std::vector<std::string>& args,
                  const std::filesystem::path& scratch, const std::string& standardInput = {});

// The case folders under `casesFolder`, sorted. A case folder holds the
// input, "args" (one argument per line, paths relative to the folder),
// "description" (one line: what the case shows), "expected-output" and, when
// not empty or 0, "expected-stderr" and "expected-exit".
std::vector<std::filesystem::path> caseFolders(const std::filesystem::path& casesFolder);

// The test name of a case: its folder name with '_' for other characters.
std::string caseTestName(const ::testing::TestParamInfo<std::filesystem::path>& info);

// Runs climora-batch on one case folder and compares the output, the
// messages and the exit status; a failure names the case and its
// description. With CLIMORA_REGENERATE_CASES set the expected files are
// written from the actual run instead (check them before committing).
// `extraCheck` runs on the result too.
void expectCase(const std::filesystem::path& folder,
                const std::function<void(const BatchRun&)>& extraCheck = {});

} // namespace climora::testing
