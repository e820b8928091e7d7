#pragma once

#include "input/ColumnSpec.h"
#include "methods/SolarGeometry.h"
#include "notes/Note.h"
#include "pipeline/WeatherRecord.h"

#include <array>
#include <optional>
#include <vector>

namespace climora {

// What the plausibility rules know of a run besides its rows.
struct PlausibilityContext {
    const ColumnSpec& spec;         // the input's columns and units
    std::optional<double> latitude; // decimal degrees, when the run knows it
};

// Collects the rows that the plausibility rules single out, row by row, and
// turns them into notes. The rules are two tables in the .cpp: rules on one
// row (a value no day should have) and rules on a whole column (values that
// together suggest another unit).
class PlausibilityNotes {
  public:
    explicit PlausibilityNotes(PlausibilityContext context);

    // One data row, as the row parser filled the record, on input line
    // `line`; the rows of a run come on consecutive lines.
    void add(const WeatherRecord& record, long line);
    long rows() const { return rows_; }
    // A note per rule that some row broke, in the order of the tables.
    std::vector<Note> notes() const;

    // Sums of a column's values in the input's unit.
    struct ColumnStats {
        long count = 0;
        double min = 0;
        double max = 0;
        double sum = 0;
        double mean() const { return count ? sum / count : 0; }
    };

  private:
    std::vector<long> everyLine() const;

    PlausibilityContext context_;
    double solarFactor_, precipFactor_, windFactor_;
    bool fahrenheit_;
    bool dewPointFahrenheit_;
    std::optional<DayGeometryCache> days_; // when the latitude is known
    long rows_ = 0;
    long firstLine_ = 0;
    std::vector<std::vector<long>> rowRuleLines_;
    std::array<ColumnStats, measuredPlaces> stats_{};
};

// "COLUMN n (VARIABLE): " for the last column within the column count that
// holds the variable (later columns win, as in the row parser).
std::string columnLabel(const ColumnSpec& spec, int variable);

} // namespace climora
