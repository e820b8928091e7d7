#include "pipeline/RowExtraction.h"

#include "app/NumberText.h"
#include "app/TextFile.h"
#include "pipeline/FixedText.h"
#include "pipeline/NumberReader.h"
#include "tools/CleanData.h"

#include <cmath>
#include <filesystem>

namespace climora {
namespace {

constexpr int minimumDataLineLength = 5;

// Characters, not bytes: a character of several UTF-8 bytes counts once.
std::size_t characterCount(std::string_view line) {
    std::size_t count = 0;
    for (char c : line)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

void skipLines(TextLineReader& reader, long long count) {
    std::string line;
    for (long long i = 0; i < count && reader.next(line); ++i) {
    }
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error)
        throw FileError("Cannot rename \"" + from.string() + "\" to \"" + to.string() + "\". " +
                        error.message());
}

void appendNormalForm(std::string& out, double x, long long sign, const std::string& substitution) {
    if (std::nearbyint(x) == static_cast<double>(sign))
        out += substitution;
    else if (std::fabs(x - std::trunc(x)) < 0.0001 && std::fabs(x) < 1e18)
        appendInteger(out, static_cast<long long>(std::nearbyint(x))); // never "-0"
    else if (std::fabs(x - std::trunc(x)) < 0.0001)
        out += formatWhole(x);
    else
        appendFixed(out, x, 3);
    out += '\t';
}

// True when the line, with the sentinel after it, runs out of values before
// the column count: the sentinel (or a value equal to it) is met as the
// second value or later. A line without any value is not reported.
bool lacksValues(std::string_view line, int columnCount) {
    std::size_t pos = 0;
    int count = 0;
    double x = 0;
    while (true) {
        std::string_view token = nextToken(line, pos);
        x = token.empty() ? missingValueSentinel : tokenValue(token);
        ++count;
        if (token.empty() || count >= columnCount || x == missingValueSentinel)
            break;
    }
    return x == missingValueSentinel && count >= 2;
}

} // namespace

bool testInputTypeOne(const std::string& text, Messenger& messenger) {
    if (parseInteger(trimBlanks(text)))
        return true;
    messenger.tone(Tone::Error);
    messenger.plain("Only an integer type value is allowed! Correct the setting.");
    return false;
}

long long missingValueSign(const std::string& text) {
    std::optional<long long> sign = parseInteger(trimBlanks(text));
    if (!sign)
        throw std::runtime_error("'" + text + "' is not a valid integer value");
    return *sign;
}

void removeEndNotes(TaskContext& context) {
    std::filesystem::path input = context.work.file("Input.~");
    long long rows = context.state.rowsBeforeData;
    long long count = 0;
    bool notesFollow = false;
    {
        TextLineReader reader(input);
        skipLines(reader, rows);
        std::string line;
        while (reader.next(line)) {
            if (characterCount(line) < minimumDataLineLength) {
                notesFollow = true;
                break;
            }
            ++count;
        }
    }
    if (!notesFollow) // the file holds the header and the data block only
        return;
    std::filesystem::path temp = context.work.file("temp.~");
    {
        TextLineReader reader(input);
        TextLineWriter writer(temp);
        std::string line;
        for (long long i = 0; i < rows + count && reader.next(line); ++i)
            writer.line(line);
        writer.close();
    }
    replaceFile(temp, input);
}

void checkData(TaskContext& context) {
    std::filesystem::path input = context.work.file("Input.~");
    bool clean = true;
    {
        TextLineReader reader(input);
        skipLines(reader, context.state.rowsBeforeData);
        std::string line;
        while (clean && reader.next(line))
            for (char c : line)
                if (!isDataCharacter(c)) {
                    clean = false;
                    break;
                }
    }
    if (clean) { // cleaning would give the same file back
        context.gauge.hide();
        return;
    }
    std::filesystem::path output = context.work.file("Output.~");
    cleanDataFile(input, output, context.state.rowsBeforeData, context.gauge);
    replaceFile(output, input);
}

void valueSubstitution(TaskContext& context, const MissingValueSettings& settings) {
    long long sign = missingValueSign(settings.sign);
    std::filesystem::path input = context.work.file("Input.~");
    std::filesystem::path output = context.work.file("Output.~");
    {
        TextLineReader reader(input);
        TextLineWriter writer(output);
        std::string line;
        for (long long i = 0; i < context.state.rowsBeforeData && reader.next(line); ++i)
            writer.line(line);
        NumberReader numbers(reader);
        while (!numbers.atEnd()) {
            line.clear();
            do
                appendNormalForm(line, numbers.next(), sign, settings.substitution);
            while (!numbers.restOfLineBlank());
            numbers.skipLine();
            writer.line(line);
            context.gauge.step();
        }
        writer.close();
    }
    context.gauge.hide();
    replaceFile(output, input);
}

void checkForMissingValues(TaskContext& context) {
    std::filesystem::path input = context.work.file("Input.~");
    std::filesystem::path reportFile = context.work.file("Report.~");
    bool found = false;
    {
        TextLineReader reader(input);
        TextLineWriter report(reportFile);
        report.line("Missing values are found on the following lines:");
        report.line("");
        skipLines(reader, context.state.rowsBeforeData);
        std::string line;
        try {
            while (reader.next(line)) {
                if (lacksValues(line, context.state.columnCount)) {
                    report.line(line);
                    found = true;
                }
            }
        } catch (const InvalidNumericInput&) {
            // An unreadable value ends the scan; what was found so far counts.
        }
        report.close();
    }
    if (!found) {
        std::filesystem::remove(reportFile);
        return;
    }
    context.state.abort = true;
    context.panel.loadFile(reportFile);
    context.messenger.reportError("Missing values are found. Correct the data first.");
    std::filesystem::remove(input);
}

} // namespace climora
