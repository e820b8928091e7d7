// Writes a synthetic daily station file for timing runs:
//   make_station FILE [DAYS]   (default 1,000,000 days)
// Three header lines, then Year, DOY, Solar (Langley), T-max and T-min (oF),
// Precip (inch), RelHum (%) and WndSpd (mile/hr), comma-separated, with a few
// quality flags and -99 missing signs, and two lines of end notes.

#include "common/StationFile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: make_station FILE [DAYS]\n", stderr);
        return 2;
    }
    long long days = argc > 2 ? std::atoll(argv[2]) : 1000000;
    try {
        climora::bench::writeStationFile(argv[1], days);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_station: %s\n", e.what());
        return 1;
    }
    return 0;
}
