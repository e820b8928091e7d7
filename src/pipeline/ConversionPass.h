#pragma once

#include "base/PendingFile.h"
#include "pipeline/Conversion.h"
#include "pipeline/RowSink.h"
#include "pipeline/TaskContext.h"

namespace climora {

// The conversion of tasks 1 and 2, made while the extraction reads the rows.
// It says nothing until complete(): its file is Convert.~ until then, and
// its gauge steps wait. A pass that is never completed leaves no file.
class ConversionPass : public RowSink {
  public:
    explicit ConversionPass(TaskContext& context);
    ~ConversionPass() override;
    ConversionPass(const ConversionPass&) = delete;
    ConversionPass& operator=(const ConversionPass&) = delete;

    void beginRows(const std::vector<std::string>& headerLines) override;
    void addRow(const double* values) override;
    void endAtUnreadable() override {}
    void finish() override;

    // Where the conversion writes its result, it does now: Output.~, or the
    // report of a row without a date.
    void complete();

  private:
    TaskContext& context_;
    PendingFile file_;
    ConvertedRows converted_;
    WeatherRecord record_;
};

// What a conversion made while the rows were read says once it is its
// turn: its gauge steps, its file as Output.~, and a row without a date.
void completeConversion(TaskContext& context, PendingFile& file, const ConvertedRows& converted);

} // namespace climora
