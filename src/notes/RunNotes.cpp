#include "notes/RunNotes.h"

#include <algorithm>
#include <cstdio>

namespace climora {

namespace {

std::string counted(long count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

} // namespace

Note noDataRowsNote(long fileLines, long rowsBeforeData) {
    return {"no data rows: the file has " + counted(fileLines, "line") + "; " +
                counted(rowsBeforeData, "row") + " before data start",
            {}};
}

std::optional<Note> layoutGapsNote(const ColumnSpec& spec, int task) {
    struct LayoutField {
        int variable;
        int estimatedBy[2]; // tasks whose estimate fills the field
    };
    static constexpr LayoutField fields[] = {{Solar, {4, 5}}, {TMax, {}},   {TMin, {}},
                                             {RelHum, {}},    {Precip, {}}, {ET, {6, 7}}};
    std::string missing;
    for (const LayoutField& field : fields) {
        bool estimated = field.estimatedBy[0] == task || field.estimatedBy[1] == task;
        if (estimated || spec.holds(field.variable))
            continue;
        missing += (missing.empty() ? "" : ", ") + std::string(variableNames().at(field.variable));
    }
    if (missing.empty())
        return std::nullopt;
    return Note{"no input column for " + missing + ": written as 0 on every line", {}};
}

RawLineWatch RunNotes::lineWatch() {
    return [this](std::string_view line, long number) { slashDates_.see(line, number); };
}

void RunNotes::afterExtraction(const ColumnSpec& spec) {
    if (std::optional<Note> note = slashDates_.note(spec))
        notes_.push_back(std::move(*note));
}

ScreenedRowWatch RunNotes::rowWatch(const ColumnSpec& inputSpec, long rowsBeforeData,
                                    std::optional<double> latitude) {
    plausibility_.emplace(PlausibilityContext{inputSpec, latitude});
    nextRowLine_ = rowsBeforeData + 1;
    return [this](const WeatherRecord& record) { plausibility_->add(record, nextRowLine_++); };
}

void RunNotes::afterRows(const TaskContext& context, const ColumnSpec& inputSpec,
                         long rowsBeforeData) {
    long rows = 0;
    if (plausibility_) {
        std::vector<Note> found = plausibility_->notes();
        notes_.insert(notes_.end(), found.begin(), found.end());
        rows = plausibility_->rows();
    }
    if (rows == 0)
        notes_.push_back(noDataRowsNote(fileLines_, rowsBeforeData));
    int task = context.state.task;
    if (task == 1 || task == 2 || (task >= 4 && context.state.convertAndRearrange))
        if (std::optional<Note> gaps = layoutGapsNote(inputSpec, task))
            notes_.push_back(std::move(*gaps));
}

} // namespace climora
