// Times the estimating tasks' own step (the pass over the rows and the
// assembly, or the conversion) on data as the earlier steps of a run leave
// them: tab-separated numbers, each line ended by a tab.
//   estimation_step [DAYS]   (default 1,000,000)

#include "base/ActivityGauge.h"
#include "base/TextFile.h"
#include "base/WorkFolder.h"
#include "methods/EstimationTasks.h"
#include "pipeline/FixedText.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/StderrMessenger.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using namespace climora;

namespace {

void writeInput(const fs::path& file, long long days) {
    TextLineWriter out(file);
    out.line("Synthetic station");
    std::string line;
    for (long long i = 0; i < days; ++i) {
        const double noise = static_cast<double>((i * 7919) % 1000) / 1000.0;
        line.clear();
        appendInteger(line, 1900 + i / 365);
        line += '\t';
        appendInteger(line, 1 + i % 365);
        line += '\t';
        appendFixed(line, 10 + 15 * noise, 3); // Solar, MJ/m2/d
        line += '\t';
        appendFixed(line, 22 + 8 * noise, 3); // T-max
        line += '\t';
        appendFixed(line, 9 + 5 * noise, 3); // T-min
        line += '\t';
        appendFixed(line, 35 + 40 * noise, 3); // RelHum
        line += '\t';
        appendFixed(line, 1 + 4 * noise, 3); // WndSpd, m/s
        line += '\t';
        appendFixed(line, 2 + 6 * noise, 3); // PanEvap, mm
        line += '\t';
        out.line(line);
    }
    out.close();
}

ColumnSpec stationColumns() {
    ColumnSpec spec;
    spec.variable.fill(NoVariable);
    const int variables[] = {Year, DOY, Solar, TMax, TMin, RelHum, WndSpd, PanEvap};
    for (int k = 0; k < 8; ++k)
        spec.variable[k] = variables[k];
    spec.columnCount = 8;
    spec.unitTexts[Solar - firstMeasured] = "MJ/m2/d";
    spec.unitTexts[TMax - firstMeasured] = "oC";
    spec.unitTexts[TMin - firstMeasured] = "oC";
    spec.unitTexts[WndSpd - firstMeasured] = "m/s";
    spec.unitTexts[PanEvap - firstMeasured] = "mm";
    return spec;
}

void measure(const char* label, int task, bool convert, const WorkFolder& work,
             const fs::path& input, long long days) {
    fs::copy_file(input, work.file("Input.~"), fs::copy_options::overwrite_existing);
    RunState state;
    state.task = task;
    state.rowsBeforeData = 1;
    state.columnCount = 8;
    state.convertAndRearrange = convert;
    ColumnSpec spec = stationColumns();
    WeatherRecord record;
    StderrMessenger messenger(false);
    NullGauge gauge;
    EstimationSettings settings;
    settings.task4Latitude = settings.task5Latitude = settings.task7Latitude = "40.8";
    settings.elevation = "300";
    StreamedPanel panel;
    TaskContext context{work,     state, spec,    record, messenger, gauge,
                        settings, panel, "bench", {},     {},        {}};
    auto start = std::chrono::steady_clock::now();
    if (task == 4)
        estimateSolarFromTemp(context);
    else if (task == 6)
        ET_from_Evap(context);
    else
        ET_by_PM(context);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %s %.3f s, %.0f rows/s\n", label, state.abort ? "FAILED" : "ok", seconds,
                days / seconds);
}

} // namespace

int main(int argc, char** argv) {
    const long long days = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const fs::path folder = fs::temp_directory_path() / "climora-estimation-bench";
    try {
        fs::create_directories(folder);
        WorkFolder work(folder);
        const fs::path input = folder / "station.txt";
        writeInput(input, days);
        measure("task 4, appended column", 4, false, work, input, days);
        measure("task 6, appended column", 6, false, work, input, days);
        measure("task 7, appended column", 7, false, work, input, days);
        measure("task 7, converted", 7, true, work, input, days);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "estimation_step: %s\n", e.what());
        fs::remove_all(folder);
        return 1;
    }
    fs::remove_all(folder);
    return 0;
}
