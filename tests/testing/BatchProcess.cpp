#include "testing/BatchProcess.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace climora::testing {
namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// `exec` makes the shell's process the batch's.
std::string batchCommand(const fs::path& folder, const std::vector<std::string>& args,
                         const fs::path& scratch) {
    fs::path temp = scratch / "tmp";
    fs::create_directories(temp);
    std::string command = "cd " + quoted(folder.string()) +
                          " && exec env TMPDIR=" + quoted(temp.string()) + " " +
                          quoted(CLIMORA_BATCH_EXE);
    for (const std::string& arg : args)
        command += " " + quoted(arg);
    return command + " >" + quoted((scratch / "stdout").string()) + " 2>" +
           quoted((scratch / "stderr").string());
}

} // namespace

pid_t startBatch(const fs::path& folder, const std::vector<std::string>& args,
                 const fs::path& scratch) {
    std::string command = batchCommand(folder, args, scratch);
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    // As from a terminal, even when the tests run in the background: the
    // signals a user sends are not inherited as ignored or blocked.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&signals, signal);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, "/bin/sh", nullptr, &attributes, const_cast<char**>(argv), environ) != 0)
        ADD_FAILURE() << "cannot start " << command;
    posix_spawnattr_destroy(&attributes);
    return pid;
}

BatchRun finishBatch(pid_t pid, const fs::path& scratch) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        ADD_FAILURE() << "cannot wait for the batch";
    BatchRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = readBytes(scratch / "stdout");
    run.errors = readBytes(scratch / "stderr");
    EXPECT_TRUE(fs::is_empty(scratch / "tmp")) << "the private work folder was left behind";
    return run;
}

} // namespace climora::testing
