// Measures how long Climora Explorer takes to open and show a local page,
// and shows that the web engine starts only with the explorer, not with the
// program.
//
//   explorer_open [runs]        (QT_QPA_PLATFORM=offscreen without a display)
#include "base/FileDialogs.h"
#include "base/TextFile.h"
#include "explorer/ExplorerFiles.h"
#include "explorer/ui/ExplorerWindow.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace climora;

namespace {

class BenchHost : public ExplorerHost {
  public:
    explicit BenchHost(const fs::path& folder) : work_(folder) {}
    void setInputText(const std::string&) override {}
    void setInputName(const std::string&) override {}
    void selectFirstTemplate() override {}
    void applySelectedTemplate() override {}
    std::string defaultInputFolder() const override { return work_.pathText(); }
    const WorkFolder& workFolder() const override { return work_; }
    Messenger& messenger() override { return messenger_; }
    FileDialogs& fileDialogs() override { return dialogs_; }
    void setExplorerOpen(bool) override {}

  private:
    WorkFolder work_;
    RecordingMessenger messenger_;
    ScriptedFileDialogs dialogs_;
};

// Helper processes of the web engine started by this program.
int engineProcesses() {
    int count = 0;
    std::string self = std::to_string(getpid());
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream status(entry.path() / "status");
        std::string line, name;
        bool child = false;
        while (std::getline(status, line)) {
            if (line.rfind("Name:", 0) == 0)
                name = line;
            if (line.rfind("PPid:", 0) == 0)
                child = line.substr(line.find_first_not_of(" \t", 5)) == self;
        }
        if (child && name.find("QtWebEngine") != std::string::npos)
            ++count;
    }
    return count;
}

double openAndShowPage(BenchHost& host) {
    QElapsedTimer clock;
    clock.start();
    auto* explorer = new ExplorerWindow(host);
    explorer->show();
    QEventLoop wait;
    QObject::connect(explorer->view()->page(), &QWebEnginePage::loadFinished, &wait,
                     &QEventLoop::quit);
    QTimer::singleShot(20000, &wait, &QEventLoop::quit);
    wait.exec();
    double seconds = clock.nsecsElapsed() / 1e9;
    delete explorer;
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-dev-shm-usage");
    int runs = argc > 1 ? std::atoi(argv[1]) : 3;

    auto start = std::chrono::steady_clock::now();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    double appSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    char pattern[] = "/tmp/climora-bench-XXXXXX";
    fs::path folder = mkdtemp(pattern);
    fs::path page = folder / "page.html";
    std::vector<std::string> lines{"<html><head><title>Station</title></head><body><pre>"};
    for (int day = 1; day <= 365; ++day)
        lines.push_back("2005 " + std::to_string(day) + " 14.25 3.4 -8.0 71 0.0 0.9");
    lines.push_back("</pre></body></html>");
    writeTextLines(page, lines);
    BenchHost host(folder);
    writeHomePage(host.workFolder(), {"Station", "file://" + page.string()});

    std::printf("application start: %.3f s, web engine processes: %d\n", appSeconds,
                engineProcesses());
    for (int run = 1; run <= runs; ++run) {
        double seconds = openAndShowPage(host);
        std::printf("open explorer and show a local page (run %d%s): %.3f s\n", run,
                    run == 1 ? ", engine starts" : "", seconds);
        if (run == 1)
            std::printf("web engine processes after the first opening: %d\n", engineProcesses());
    }
    fs::remove_all(folder);
    return 0;
}
