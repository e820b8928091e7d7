#pragma once

#include "testing/BatchRunner.h"

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace climora::testing {

// climora-batch as its own process, for what only a process shows (signals):
// started in `folder` with TMPDIR in `scratch`/tmp, its standard output and
// error caught in `scratch`. The process is the batch's own.
pid_t startBatch(const std::filesystem::path& folder, const std::vector<std::string>& args,
                 const std::filesystem::path& scratch);

// Waits for a started run; exitStatus is -1 when a signal ended it.
BatchRun finishBatch(pid_t pid, const std::filesystem::path& scratch);

} // namespace climora::testing
