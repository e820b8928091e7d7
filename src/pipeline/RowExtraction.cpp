#include "pipeline/RowExtraction.h"

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "pipeline/FieldMends.h"
#include "pipeline/FixedText.h"
#include "pipeline/NumberReader.h"
#include "pipeline/UnreadableNumber.h"
#include "tools/CleanData.h"

#include <cmath>
#include <filesystem>
#include <optional>

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

// Below 2^52 a double's whole part is found by a cast, without a library call.
constexpr double exactWholeLimit = 4503599627370496.0;

bool roundsTo(double x, long long sign) {
    auto target = static_cast<double>(sign);
    return std::fabs(x - target) <= 0.5 && std::nearbyint(x) == target;
}

void appendNormalForm(std::string& out, double x, long long sign, const std::string& substitution) {
    if (roundsTo(x, sign)) {
        out += substitution;
    } else if (std::fabs(x) < exactWholeLimit) {
        auto whole = static_cast<long long>(x);
        if (std::fabs(x - static_cast<double>(whole)) < 0.0001)
            appendInteger(out, static_cast<long long>(std::nearbyint(x))); // never "-0"
        else
            appendFixed(out, x, 3);
    } else if (std::fabs(x - std::trunc(x)) < 0.0001) {
        out += formatWhole(x);
    } else {
        appendFixed(out, x, 3);
    }
    out += '\t';
}

// Whether a token reads as the sentinel. Plain decimals ("-9999.0") are
// judged by their digits, which is all a number that only has to be told
// apart from -9999 needs; other tokens are read (and may be invalid).
bool isSentinel(std::string_view token) {
    std::size_t i = token.empty() || token[0] != '-' ? 0 : 1;
    bool negative = i == 1;
    std::size_t wholeStart = i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9')
        ++i;
    std::string_view whole = token.substr(wholeStart, i - wholeStart);
    bool zeroFraction = true;
    std::size_t fractionDigits = 0;
    if (i < token.size() && token[i] == '.') {
        for (++i; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i, ++fractionDigits)
            zeroFraction = zeroFraction && token[i] == '0';
    }
    if (i != token.size() || whole.size() + fractionDigits == 0)
        return tokenValue(token) == missingValueSentinel;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    return negative && whole == "9999" && zeroFraction;
}

// True when the line, with the sentinel after it, runs out of values before
// the column count: the sentinel (or a value equal to it) is met as the
// second value or later. A line without any value is not reported.
bool lacksValues(std::string_view line, int columnCount) {
    std::size_t pos = 0;
    int count = 0;
    bool sentinel = false;
    while (true) {
        std::string_view token = nextToken(line, pos);
        sentinel = token.empty() || isSentinel(token);
        ++count;
        if (sentinel || count >= columnCount)
            break;
    }
    return sentinel && count >= 2;
}

} // namespace

bool testInputTypeOne(const std::string& text, Messenger& messenger) {
    if (parseInteger(trimBlanks(text)))
        return true;
    // An empty box and a lone "-" are an integer still being typed.
    if (trimBlanks(text).empty() || trimBlanks(text) == "-")
        return false;
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
    std::filesystem::path input = context.work.file(temporary::input);
    std::optional<std::uintmax_t> notesStart;
    {
        TextLineReader reader(input, TextSource::OwnUtf8);
        skipLines(reader, context.state.rowsBeforeData);
        std::string line;
        std::uintmax_t lineStart = reader.offset();
        while (reader.next(line)) {
            if (characterCount(line) < minimumDataLineLength) {
                notesStart = lineStart;
                break;
            }
            lineStart = reader.offset();
        }
    }
    // The notes are the file's tail: cutting them off leaves the lines
    // before them, line ends included, as they are.
    if (notesStart)
        std::filesystem::resize_file(input, *notesStart);
}

namespace {

// checkForMissingValues, line by line: the lines it reports go to Report.~.
class MissingValueCheck {
  public:
    MissingValueCheck(const std::filesystem::path& file, int columnCount)
        : writer_(file), columnCount_(columnCount) {
        writer_.line("Missing values are found on the following lines:");
        writer_.line("");
    }

    // `valuesEnd`: where the line's values end (an empty field left empty).
    void check(const std::string& line, std::size_t valuesEnd) {
        if (!scanning_)
            return;
        try {
            if (lacksValues(std::string_view(line).substr(0, valuesEnd), columnCount_)) {
                writer_.line(line);
                found_ = true;
            }
        } catch (const InvalidNumericInput&) {
            scanning_ = false; // an unreadable value ends the scan; what was found counts
        }
    }
    bool found() const { return found_; }
    void close() { writer_.close(); }

  private:
    TextLineWriter writer_;
    int columnCount_;
    bool scanning_ = true;
    bool found_ = false;
};

// Where the rows of one pass come from and go to.
struct RowPass {
    TextLineReader& reader;
    TextLineWriter& writer;
    MissingValueCheck& missingValues;
    ActivityGauge& gauge;
    const RawLineWatch& watch;
    long headerLines;

    void emit(const std::string& line, std::size_t valuesEnd = std::string::npos) {
        missingValues.check(line, valuesEnd);
        writer.line(line);
        gauge.step();
    }
};

// The rows cleaned only: the substitution is off. An empty field stays
// empty, so the line's values end there.
void checkData(RowPass& pass) {
    std::string line;
    for (long number = pass.headerLines + 1; pass.reader.next(line); ++number) {
        if (pass.watch)
            pass.watch(line, number);
        std::optional<std::size_t> emptyField = mendSeparatedFields(line, nullptr);
        std::size_t valuesEnd = std::string::npos;
        if (emptyField) {
            valuesEnd = cleanDataLine(std::string_view(line).substr(0, *emptyField)).size();
        }
        cleanDataLineInPlace(line);
        pass.emit(line, valuesEnd);
    }
}

// The rows mended and cleaned as they are read, then rewritten in normal
// form; an empty field takes the sign before the substitution replaces it.
void valueSubstitution(RowPass& pass, long long sign, const std::string& substitution) {
    std::string signText = std::to_string(sign);
    long number = pass.headerLines;
    NumberReader numbers(pass.reader, [&](std::string& raw) {
        if (pass.watch)
            pass.watch(raw, ++number);
        mendSeparatedFields(raw, &signText);
        cleanDataLineInPlace(raw);
    });
    std::string line;
    while (!numbers.atEnd()) {
        line.clear();
        try {
            do
                appendNormalForm(line, numbers.next(), sign, substitution);
            while (!numbers.restOfLineBlank());
        } catch (const InvalidNumericInput&) {
            throw UnreadableNumber({pass.headerLines + numbers.linesRead(), numbers.valuesOnLine(),
                                    std::string(numbers.lastToken()), "the input"});
        }
        numbers.skipLine();
        pass.emit(line);
    }
}

void showMissingValues(TaskContext& context, const std::filesystem::path& reportFile) {
    context.state.abort = true;
    context.panel.loadFile(reportFile);
    context.messenger.reportError("Missing values are found. Correct the data first.");
    std::filesystem::remove(context.work.file(temporary::input));
}

} // namespace

void extractDataRows(TaskContext& context, const MissingValueSettings& settings,
                     const RawLineWatch& watch) {
    long long sign = settings.enabled ? missingValueSign(settings.sign) : 0;
    std::filesystem::path input = context.work.file(temporary::input);
    std::filesystem::path output = context.work.file(temporary::output);
    std::filesystem::path reportFile = context.work.file(temporary::report);
    MissingValueCheck missingValues(reportFile, context.state.columnCount);
    {
        TextLineReader reader(input, TextSource::OwnUtf8);
        TextLineWriter writer(output);
        std::string line;
        for (long long i = 0; i < context.state.rowsBeforeData && reader.next(line); ++i)
            writer.line(line);
        RowPass pass{reader,        writer, missingValues,
                     context.gauge, watch,  static_cast<long>(context.state.rowsBeforeData)};
        if (settings.enabled)
            valueSubstitution(pass, sign, settings.substitution);
        else
            checkData(pass);
        writer.close();
        missingValues.close();
    }
    context.gauge.hide();
    replaceFile(output, input);
    if (missingValues.found())
        showMissingValues(context, reportFile);
    else
        std::filesystem::remove(reportFile);
}

} // namespace climora
