#include "methods/EstimationAssembly.h"

#include "base/TextFile.h"

#include <filesystem>
#include <string>

namespace climora {

namespace {

void writeHeader(TextLineReader& input, TextLineWriter& output, long long& rowsBeforeData,
                 std::string_view description) {
    output.write(description);
    if (rowsBeforeData <= 0) {
        output.endLine();
        rowsBeforeData = 1;
        return;
    }
    std::string line;
    for (long long k = 0; k < rowsBeforeData; ++k) {
        if (!input.next(line))
            line.clear();
        output.line(line);
    }
}

} // namespace

void assembleAppendedColumn(const WorkFolder& work, long long& rowsBeforeData,
                            std::string_view description) {
    TextLineReader input(work.file(temporary::input), TextSource::OwnUtf8);
    TextLineReader estimates(work.file(temporary::estimates), TextSource::OwnUtf8);
    TextLineWriter output(work.file(temporary::output));
    writeHeader(input, output, rowsBeforeData, description);
    std::string line;
    std::string estimate;
    bool more = input.next(line);
    if (!more)
        line.clear();
    do {
        if (!estimates.next(estimate))
            estimate.clear();
        output.write(line);
        output.write("\t");
        output.line(estimate);
        more = input.next(line);
    } while (more);
    output.close();
}

void assembleConversionInput(const WorkFolder& work, long long& rowsBeforeData,
                             std::string_view description) {
    const std::filesystem::path inputPath = work.file(temporary::input);
    const std::filesystem::path outputPath = work.file(temporary::output);
    {
        TextLineReader input(inputPath, TextSource::OwnUtf8);
        TextLineWriter output(outputPath);
        writeHeader(input, output, rowsBeforeData, description);
        std::string line;
        if (!input.next(line))
            line.clear();
        do
            output.line(line);
        while (input.next(line));
        output.close();
    }
    std::filesystem::remove(inputPath);
    std::filesystem::rename(outputPath, work.path() / temporary::input);
}

} // namespace climora
