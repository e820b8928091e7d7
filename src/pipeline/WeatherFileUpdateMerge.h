#pragma once

#include "pipeline/UnreadableNumber.h"

#include <compare>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view updateProblemsMessage =
    "The program has encountered problems. Please update the existing file manually.";

// Stops the update before anything is changed; the text is for the user.
struct UpdateStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A year or day of year that is not a whole number: "Invalid numeric input"
// as the number reader says it, with the place for the note beside it.
struct UnreadableDayNumber : UpdateStopped {
    explicit UnreadableDayNumber(NumberPlace where)
        : UpdateStopped(InvalidNumericInput().what()), place(std::move(where)) {}
    NumberPlace place;
};

// A calendar day given as year and day of year (1 January is day 1).
struct YearDay {
    int year = 0;
    int day = 0;
    // Earlier days order first: by year, then by day of year.
    friend auto operator<=>(const YearDay&, const YearDay&) = default;
};

// The existing weather file as the new version begins: its four header lines
// unchanged, then its data lines with year and day of year joined by one tab.
struct ExistingWeatherData {
    std::vector<std::string> lines;
    YearDay lastDay;
};

// Reads the existing file's lines. Blank lines among the data are dropped,
// lines with a negative year are left out, and a year of 0 ends the data.
// Throws UpdateStopped for fewer than four lines, no data line, a year or day
// that is not a whole number, or a last day that is not a date.
ExistingWeatherData readExistingWeatherData(const std::vector<std::string>& fileLines,
                                            const std::string& fileName);

// Index of the output panel's first data line: the line after the unit line
// of the weather layout (two empty fields, then "MJ/m2") when there is one;
// otherwise found from the first two counted lines (first field an integer)
// of equal value, going back to the first line of the run of data lines
// that leads to them. Nothing when neither finds data.
std::optional<std::size_t> findOutputDataStart(const std::vector<std::string>& outputLines);

enum class NewDaysKind { NothingNew, Continues, Gap };

// What the output panel adds after the existing file's last day: the lines
// to append and whether they continue from that day or leave a gap.
struct NewDays {
    NewDaysKind kind = NewDaysKind::NothingNew;
    std::vector<std::string> lines;
};

// Throws UpdateStopped when the panel holds no data or a data line that
// cannot be read or dated.
NewDays findNewDays(const std::vector<std::string>& outputLines, YearDay lastDay);

} // namespace climora
