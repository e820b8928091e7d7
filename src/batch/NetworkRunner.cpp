// The run over many station files: one climora-batch process per file, at
// most `jobs` at a time, so that the files share nothing but the machine.

#include "batch/InterruptCleanup.h"
#include "batch/PrivateWorkFolder.h"
#include "batch/StationNetwork.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;
namespace climora {
namespace {

struct Tally {
    std::size_t done = 0, stopped = 0, failed = 0, interrupted = 0;
};

const char* statusWord(int status) {
    if (status == 0)
        return "done";
    if (status == 1)
        return "stopped";
    return status >= 128 ? "interrupted" : "failed";
}

int exitStatusOf(int waitStatus) {
    if (WIFEXITED(waitStatus))
        return WEXITSTATUS(waitStatus);
    return WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : 2;
}

std::size_t countLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return static_cast<std::size_t>(
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

class Runner {
  public:
    Runner(const StationNetwork& network, std::FILE* err)
        : network_(network), err_(err), progress_(isatty(fileno(err)) != 0) {}

    int run() {
        std::map<pid_t, std::size_t> running;
        std::size_t next = 0, finished = 0;
        while (finished < network_.inputs.size()) {
            while (running.size() < network_.jobs && next < network_.inputs.size()) {
                pid_t child = start(next);
                if (child > 0)
                    running.emplace(child, next);
                else
                    report(next, 2, "error: Cannot start " + network_.program.string() + "\n");
                finished += child > 0 ? 0 : 1;
                ++next;
            }
            int waitStatus = 0;
            pid_t child = waitpid(-1, &waitStatus, 0);
            if (child < 0 && errno == EINTR)
                continue;
            if (child < 0)
                break;
            auto file = running.find(child);
            if (file == running.end())
                continue;
            InterruptCleanup::stopForwarding(child);
            report(file->second, exitStatusOf(waitStatus), {});
            running.erase(file);
            ++finished;
        }
        clearProgress();
        std::fprintf(err_, "%zu files: %zu done, %zu stopped, %zu failed", network_.inputs.size(),
                     tally_.done, tally_.stopped, tally_.failed);
        if (tally_.interrupted > 0)
            std::fprintf(err_, ", %zu interrupted", tally_.interrupted);
        std::fputc('\n', err_);
        return worst_;
    }

  private:
    fs::path outputOf(std::size_t file) const {
        return network_.outputDir / (network_.inputs[file].stem().string() + network_.extension);
    }
    fs::path messagesOf(std::size_t file) const {
        return messages_.path() / (std::to_string(file) + ".txt");
    }

    pid_t start(std::size_t file) {
        std::vector<std::string> args{network_.program.string()};
        args.insert(args.end(), network_.sharedArgs.begin(), network_.sharedArgs.end());
        args.insert(args.end(), {"-o", outputOf(file).string(), "--", network_.inputs[file]});
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::string messages = messagesOf(file).string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, messages.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t child = -1;
        int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed)
            return -1;
        InterruptCleanup::forwardOnInterrupt(child);
        return child;
    }

    // The file's messages as its run wrote them, then its summary line.
    void report(std::size_t file, int status, const std::string& ownMessage) {
        clearProgress();
        std::ifstream messages(messagesOf(file));
        std::size_t notes = 0;
        for (std::string line; std::getline(messages, line);) {
            // The --columns auto suggestion is printed also with --no-notes.
            bool isNote = line.starts_with("note: ") && !line.starts_with("note: suggested ");
            notes += isNote ? 1 : 0;
            if (!isNote || network_.notes)
                std::fprintf(err_, "%s\n", line.c_str());
        }
        std::fputs(ownMessage.c_str(), err_);
        // A failed run writes nothing: an older file of that name is not its.
        std::size_t rows = status <= 1 ? countLines(outputOf(file)) : 0;
        std::fprintf(err_, "%s\t%zu\t%s", network_.inputs[file].c_str(), rows, statusWord(status));
        if (notes > 0)
            std::fprintf(err_, "\t%zu note%s", notes, notes == 1 ? "" : "s");
        std::fputc('\n', err_);
        count(status);
        ++reported_;
        if (progress_)
            std::fprintf(err_, "%zu/%zu files", reported_, network_.inputs.size());
        std::fflush(err_);
    }

    void count(int status) {
        worst_ = std::max(worst_, status);
        (status == 0     ? tally_.done
         : status == 1   ? tally_.stopped
         : status >= 128 ? tally_.interrupted
                         : tally_.failed)++;
    }

    void clearProgress() {
        if (progress_ && reported_ > 0)
            std::fputs("\r\033[K", err_);
    }

    const StationNetwork& network_;
    std::FILE* err_;
    bool progress_;
    PrivateWorkFolder messages_;
    Tally tally_;
    std::size_t reported_ = 0;
    int worst_ = 0;
};

} // namespace

int runStationNetwork(const StationNetwork& network, std::FILE* err) {
    return Runner(network, err).run();
}

} // namespace climora
