#pragma once

#include "base/ActivityGauge.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace climora {

// True for the characters a data row may hold: digits, ".", "-", blank, TAB.
bool isDataCharacter(char c);

// Replaces every other character by one blank, so fields keep their places.
// A character stored in several UTF-8 bytes becomes a single blank.
std::string cleanDataLine(std::string_view line);
void cleanDataLineInPlace(std::string& line);

// Copies `input` to `output`: the first `headerRows` lines unchanged, every
// further line cleaned. Lines end in CR LF. Shows, steps and hides the gauge.
void cleanDataFile(const std::filesystem::path& input, const std::filesystem::path& output,
                   long long headerRows, ActivityGauge& gauge);

} // namespace climora
