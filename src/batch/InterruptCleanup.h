#pragma once

#include <filesystem>
#include <sys/types.h>

// Removes the run's private files when SIGINT, SIGTERM or SIGHUP ends it.
namespace climora::InterruptCleanup {

// Blocks the three signals and starts the thread that waits for them; on one,
// every registered path is removed and the program exits with 128 + the
// signal's number. Call first in main, before any other thread starts.
// Signals inherited as ignored (nohup, background jobs) stay ignored.
void install();

// Registers a file or folder (removed with its contents) for removal.
void removeOnInterrupt(const std::filesystem::path& path);
void keepOnInterrupt(const std::filesystem::path& path);

// A child process that gets the same signal before this process ends, so
// that it removes its own folders.
void forwardOnInterrupt(pid_t child);
void stopForwarding(pid_t child);

} // namespace climora::InterruptCleanup
