#include "pipeline/ConversionPass.h"

#include "pipeline/RowParser.h"

namespace climora {
namespace {

// The header lines the extraction read, one by one.
class HeaderLines : public LineSource {
  public:
    explicit HeaderLines(const std::vector<std::string>& lines) : lines_(lines) {}
    bool next(std::string& line) override {
        if (next_ == lines_.size())
            return false;
        line = lines_[next_++];
        return true;
    }

  private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

} // namespace

ConversionPass::ConversionPass(TaskContext& context)
    : context_(context), file_(context.work.file(temporary::conversion)),
      converted_(context, conversionFactorsOf(context.spec), file_.writer()) {}

ConversionPass::~ConversionPass() = default;

void ConversionPass::beginRows(const std::vector<std::string>& headerLines) {
    HeaderLines header(headerLines);
    writeAgroviaHeader(context_, header, file_.writer());
}

void ConversionPass::addRow(const double* values) {
    try {
        for (int k = 1; k <= context_.spec.columnCount; ++k)
            assignValue(context_.spec, record_, k, values[k - 1]);
    } catch (const InvalidNumericInput&) {
        return; // the checkup, which reads the same rows, stops the run
    }
    converted_.add(record_);
}

void ConversionPass::finish() {
    file_.close();
}

void ConversionPass::complete() {
    completeConversion(context_, file_, converted_);
}

void completeConversion(TaskContext& context, PendingFile& file, const ConvertedRows& converted) {
    for (long i = 0; i < converted.count(); ++i)
        context.gauge.step();
    file.commit(context.work.file(temporary::output));
    if (!converted.dated()) {
        context.messenger.reportError("Date is missing. Check the input data and try again.");
        context.state.abort = true;
    }
}

} // namespace climora
