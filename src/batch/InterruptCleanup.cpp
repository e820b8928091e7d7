#include "batch/InterruptCleanup.h"

#include <algorithm>
#include <csignal>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace climora::InterruptCleanup {
namespace fs = std::filesystem;

namespace {

constexpr int handledSignals[] = {SIGINT, SIGTERM, SIGHUP};
// The main thread may still be adding files while the folder is removed.
constexpr int removalAttempts = 5;

struct Registry {
    std::mutex mutex;
    std::vector<fs::path> paths;
    std::vector<pid_t> children;
};

// Never destroyed: a signal may arrive while static objects are destroyed.
Registry& registry() {
    static Registry* const instance = new Registry;
    return *instance;
}

// Runs in the waiting thread, not in a signal handler, so anything may be
// called; the lock stays held so that nothing is registered any more.
[[noreturn]] void removeAndExit(int signal) {
    Registry& paths = registry();
    paths.mutex.lock();
    for (pid_t child : paths.children)
        kill(child, signal);
    for (const fs::path& path : paths.paths)
        for (int attempt = 0; attempt < removalAttempts; ++attempt) {
            std::error_code ec;
            fs::remove_all(path, ec);
            if (!ec)
                break;
        }
    _exit(128 + signal);
}

void waitForSignal(sigset_t signals) {
    int signal = 0;
    while (sigwait(&signals, &signal) != 0) {
    }
    removeAndExit(signal);
}

} // namespace

void install() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : handledSignals) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            sigaddset(&signals, signal);
    }
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(waitForSignal, signals).detach();
}

void removeOnInterrupt(const fs::path& path) {
    std::lock_guard lock(registry().mutex);
    registry().paths.push_back(path);
}

void keepOnInterrupt(const fs::path& path) {
    std::lock_guard lock(registry().mutex);
    std::erase(registry().paths, path);
}

void forwardOnInterrupt(pid_t child) {
    std::lock_guard lock(registry().mutex);
    registry().children.push_back(child);
}

void stopForwarding(pid_t child) {
    std::lock_guard lock(registry().mutex);
    std::erase(registry().children, child);
}

} // namespace climora::InterruptCleanup
