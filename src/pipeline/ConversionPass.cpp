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
    : context_(context), factors_(conversionFactorsOf(context.spec)),
      file_(context.work.file(temporary::conversion)) {
    output_.emplace(file_);
}

ConversionPass::~ConversionPass() {
    output_.reset();
    if (!completed_) {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
    }
}

void ConversionPass::beginRows(const std::vector<std::string>& headerLines) {
    HeaderLines header(headerLines);
    writeAgroviaHeader(context_, header, *output_);
}

// The conversion stops at the first row without a date.
void ConversionPass::addRow(const double* values) {
    if (!dated_)
        return;
    try {
        for (int k = 1; k <= context_.spec.columnCount; ++k)
            assignValue(context_.spec, record_, k, values[k - 1]);
    } catch (const InvalidNumericInput&) {
        return; // the checkup, which reads the same rows, stops the run
    }
    std::optional<int> dayOfYear = convertedDayOfYear(record_);
    if (!dayOfYear) {
        dated_ = false;
        return;
    }
    appendAgroviaLine(line_, record_, *dayOfYear, factors_);
    output_->line(line_);
    if (context_.dayConverted)
        context_.dayConverted(record_, *dayOfYear);
    ++rows_;
}

void ConversionPass::finish() {
    output_->close();
}

void ConversionPass::complete() {
    for (long i = 0; i < rows_; ++i)
        context_.gauge.step();
    output_.reset();
    std::filesystem::rename(file_, context_.work.file(temporary::output));
    completed_ = true;
    if (!dated_) {
        context_.messenger.reportError("Date is missing. Check the input data and try again.");
        context_.state.abort = true;
    }
}

} // namespace climora
