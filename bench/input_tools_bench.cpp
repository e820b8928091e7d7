// Times the three input editing tools on a large input panel, the way the
// main window calls them: panel lines in, new panel lines out.
//
//   input_tools_bench [line count]   (default 1000000)

#include "base/WorkFolder.h"
#include "testing/RecordingMessenger.h"
#include "tools/AlignData.h"
#include "tools/CleanDataCommand.h"
#include "tools/RemoveColumns.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace climora;
namespace fs = std::filesystem;

namespace {

class CountingGauge : public ActivityGauge {
  public:
    void show() override {}
    void hide() override {}
    void step() override { ++steps; }
    long long steps = 0;
};

std::vector<std::string> makePanel(long long count) {
    std::vector<std::string> lines = {"Daily data, station 12-A", "Year DOY Solar Tmax Tmin Rain",
                                      "     (Langley) (oF) (oF) (in)"};
    lines.reserve(count);
    for (long long i = 0; static_cast<long long>(lines.size()) < count; ++i) {
        std::string year = std::to_string(1950 + i / 365);
        std::string day = std::to_string(1 + i % 365);
        lines.push_back(year + "  " + day +
                        "   412.5M  81.3  55.0E  0.12  25\xC2\xB0"
                        "C  " +
                        year + "-01-05");
    }
    return lines;
}

template <class Run> void timed(const char* name, Run&& run) {
    auto start = std::chrono::steady_clock::now();
    bool ok = run();
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %7.3f s  %s\n", name, seconds, ok ? "ok" : "FAILED");
}

} // namespace

int main(int argc, char** argv) {
    long long count = argc > 1 ? std::atoll(argv[1]) : 1000000;
    fs::path folder = fs::temp_directory_path() / "climora-tools-bench";
    fs::create_directories(folder);
    WorkFolder work(folder);
    RecordingMessenger messenger;
    CountingGauge gauge;
    std::vector<std::string> result;
    ToolContext context{work, messenger, gauge,
                        [&](std::vector<std::string>&& lines) { result = std::move(lines); }};

    auto start = std::chrono::steady_clock::now();
    std::vector<std::string> panel = makePanel(count);
    std::printf(
        "%lld lines, %.1f MB; panel built in %.3f s\n", count,
        [&] {
            double bytes = 0;
            for (const auto& line : panel)
                bytes += line.size() + 2;
            return bytes / 1e6;
        }(),
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());

    ScriptedCleanDataExplanation explanation;
    explanation.answer = true;
    timed("Clean input data", [&] {
        return cleanInputData({panel, "bench", "3"}, context, explanation);
    });
    timed("Align input data using tabs", [&] {
        return alignInputData({panel, "bench", "3"}, context);
    });
    ColumnMarks marks{};
    marks[1] = marks[3] = true;
    timed("Remove input data columns", [&] {
        return removeColumns({panel, "", "3"}, marks, context);
    });
    std::printf("gauge steps: %lld; messages: %zu\n", gauge.steps, messenger.events().size());
    fs::remove_all(folder);
    return 0;
}
