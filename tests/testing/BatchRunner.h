#pragma once

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

// Runs climora-batch in `folder` with the arguments, its standard output and
// error caught in `scratch`, and a private temporary folder there that must be
// empty again afterwards.
BatchRun runBatch(const std::filesystem::path& folder, const std::vector<std::string>& args,
                  const std::filesystem::path& scratch);

// Runs climora-batch on every case folder under `casesFolder`: the folder
// holds the input, "args" (one argument per line, paths relative to the
// folder), "expected-output" and, when not empty or 0, "expected-stderr" and
// "expected-exit". With CLIMORA_REGENERATE_CASES set the expected files are
// written from the actual runs instead (check them before committing).
// `extraCheck` runs on every case's result.
void expectEveryCase(const std::filesystem::path& casesFolder,
                     const std::function<void(const BatchRun&)>& extraCheck = {});

} // namespace climora::testing
