#include "common/StationFile.h"

#include "base/TextFile.h"
#include "pipeline/Calendar.h"
#include "pipeline/FixedText.h"

#include <cmath>
#include <string>

namespace climora::bench {
namespace {

struct Day {
    int year;
    int dayOfYear;
};

Day nextDay(Day day) {
    int length = isLeapYear(day.year) ? 366 : 365;
    return day.dayOfYear == length ? Day{day.year + 1, 1} : Day{day.year, day.dayOfYear + 1};
}

void appendRow(std::string& line, Day day, long long index) {
    double season = std::sin(2 * 3.14159265358979 * (day.dayOfYear - 80) / 365.25);
    double noise = static_cast<double>((index * 7919) % 1000) / 1000.0; // 0 .. 1
    line.clear();
    appendInteger(line, day.year);
    line += ',';
    appendInteger(line, day.dayOfYear);
    line += ',';
    appendFixed(line, 420 + 280 * season + 60 * noise, 2); // Langley
    if (index % 997 == 5)
        line += 'E';
    line += ',';
    double tMax = 62 + 30 * season + 8 * noise;
    appendFixed(line, tMax, 2);
    line += ',';
    appendFixed(line, tMax - 18 - 6 * noise, 2);
    if (index % 1499 == 7)
        line += " M";
    line += ',';
    if (index % 1009 == 3)
        line += "-99";
    else
        appendFixed(line, noise > 0.8 ? (noise - 0.8) * 2 : 0, 2); // inch
    line += ',';
    appendFixed(line, 35 + 40 * noise, 1);
    line += ',';
    appendFixed(line, 2 + 9 * noise, 2);
}

} // namespace

void writeStationFile(const std::filesystem::path& file, long long days) {
    TextLineWriter out(file);
    out.line("Synthetic station - daily values (Langley, oF, inch, %, mile/hr)");
    out.line("Flags: E = estimated, M = missing; -99 = no record");
    out.line("YEAR,DOY,SR,MX,MN,PP,RH,WS");
    Day day{1900, 1};
    std::string line;
    for (long long i = 0; i < days; ++i) {
        appendRow(line, day, i);
        out.line(line);
        day = nextDay(day);
    }
    out.line("");
    out.line("End of data. Values are provisional.");
    out.close();
}

} // namespace climora::bench
