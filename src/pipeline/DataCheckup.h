#pragma once

#include "base/PendingFile.h"
#include "pipeline/RowSink.h"
#include "pipeline/TaskContext.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace climora {

enum class CheckupResult {
    Clean,      // nothing suspicious; for task 3 this has been announced
    Suspicious, // the report is in the output panel
    Failed,     // a data or date problem has been reported
};

// Screens every data row of Input.~ for suspicious values and broken date
// sequences and writes the report to Output.~. Every result but Clean for
// tasks other than 3 sets the abort flag: task 3 always ends here.
// Each screened row is also shown to `eachRow`, in order.
using ScreenedRowWatch = std::function<void(const WeatherRecord&)>;
CheckupResult dataCheckup(TaskContext& context, const ScreenedRowWatch& eachRow = {});

// Whether the checkup goes through the rows at all: the units of T-max and
// T-min agree.
bool checkupScreensRows(const ColumnSpec& spec);

// The checkup's screening, row by row. It says nothing until announce(), so
// it can screen the rows while an earlier step still reads them: its report
// stays in Checkup.~ and its gauge steps wait until then. A screening that
// is never announced leaves no file behind.
class CheckupScreen : public RowSink {
  public:
    CheckupScreen(TaskContext& context, ScreenedRowWatch eachRow);
    ~CheckupScreen() override;
    CheckupScreen(const CheckupScreen&) = delete;
    CheckupScreen& operator=(const CheckupScreen&) = delete;

    // Screens the row in the context's record; false from the first row
    // that cannot be placed in time on.
    bool screen();
    // The rows as read, each put into the context's record and screened.
    void addRow(const double* values) override;
    void endAtUnreadable() override;
    void finish() override {}
    // The report becomes Output.~ and the outcome is reported, as the
    // checkup reports it.
    CheckupResult announce();

  private:
    struct Screening;

    TaskContext& context_;
    ScreenedRowWatch eachRow_;
    PendingFile report_;
    std::unique_ptr<Screening> screening_;
    const char* problem_ = nullptr;
    bool suspicious_ = false;
    long rows_ = 0;
};

} // namespace climora
