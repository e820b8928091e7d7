#include "pipeline/RowExtraction.h"

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "input/Task.h"
#include "pipeline/FieldMends.h"
#include "pipeline/InputLines.h"
#include "pipeline/NormalForm.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowAssembler.h"
#include "pipeline/RowRecording.h"
#include "pipeline/UnreadableNumber.h"
#include "tools/CleanData.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace climora {
namespace {

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error)
        throw FileError("Cannot rename \"" + from.string() + "\" to \"" + to.string() + "\". " +
                        error.message());
}

} // namespace

long removeEndNotes(TaskContext& context) {
    std::filesystem::path input = context.work.file(temporary::input);
    std::optional<std::uintmax_t> notesStart;
    long fileLines = 0;
    {
        InputLines lines(input, TextSource::OwnUtf8);
        std::string line;
        for (long long i = 0; i < context.state.rowsBeforeData && lines.header(line); ++i) {
        }
        std::uintmax_t lineStart = lines.offset();
        while (lines.next(line))
            lineStart = lines.offset();
        if (lines.atNotes())
            notesStart = lineStart;
        fileLines = lines.fileLines();
    }
    // The notes are the file's tail: cutting them off leaves the lines
    // before them, line ends included, as they are.
    if (notesStart)
        std::filesystem::resize_file(input, *notesStart);
    return fileLines;
}

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

namespace {

// checkForMissingValues, line by line: the lines it reports go to Report.~.
class MissingValueCheck {
  public:
    MissingValueCheck(const std::filesystem::path& file, int columnCount)
        : writer_(file), columnCount_(columnCount) {
        writer_.line("Missing values are found on the following lines:");
        writer_.line("");
    }

    // Whether the line, or its tokens, lacks values. `valuesEnd`: where the
    // line's values end (an empty field left empty).
    bool reports(std::string_view line, std::size_t valuesEnd) {
        return scan([&] { return lacksValues(line.substr(0, valuesEnd), columnCount_); });
    }
    bool reports(std::span<const RereadToken> tokens) {
        return scan([&] { return lacksValues(tokens, columnCount_); });
    }
    void add(std::string_view line) {
        writer_.line(line);
        found_ = true;
    }
    bool found() const { return found_; }
    void close() { writer_.close(); }

  private:
    template <class Check> bool scan(const Check& check) {
        if (!scanning_)
            return false;
        try {
            return check();
        } catch (const InvalidNumericInput&) {
            scanning_ = false; // an unreadable value ends the scan; what was found counts
            return false;
        }
    }

    TextLineWriter writer_;
    int columnCount_;
    bool scanning_ = true;
    bool found_ = false;
};

// Where the rows of one pass come from and go to.
struct RowPass {
    InputLines& lines;
    TextLineWriter& writer;
    MissingValueCheck& missingValues;
    ActivityGauge& gauge;
    const RawLineWatch& watch;
    long headerLines;
};

// The rows cleaned only: the substitution is off. An empty field stays
// empty, so the line's values end there.
void checkData(RowPass& pass) {
    std::string line;
    for (long number = pass.headerLines + 1; pass.lines.next(line); ++number) {
        if (pass.watch)
            pass.watch(line, number);
        std::optional<std::size_t> emptyField = mendSeparatedFields(line, nullptr);
        std::size_t valuesEnd = std::string::npos;
        if (emptyField) {
            valuesEnd = cleanDataLine(std::string_view(line).substr(0, *emptyField)).size();
        }
        cleanDataLineInPlace(line);
        if (pass.missingValues.reports(line, valuesEnd))
            pass.missingValues.add(line);
        pass.writer.line(line);
        pass.gauge.step();
    }
}

// One rewritten line: its text when written, its values, and the tokens a
// reader of the text finds.
struct RewrittenLine {
    std::string text;
    std::vector<double> values;
    RereadTokens tokens;
};

// The rows mended and cleaned as they are read, then rewritten in normal
// form; an empty field takes the sign before the substitution replaces it.
// The lines are written when `writeLines`; what a reader of them would find
// goes to the assembler when there is one.
void valueSubstitution(RowPass& pass, NormalForm& form, const std::string& signText,
                       bool writeLines, RowAssembler* assembler) {
    long number = pass.headerLines;
    NumberReader numbers(pass.lines, [&](std::string& raw) {
        if (pass.watch)
            pass.watch(raw, ++number);
        mendSeparatedFields(raw, &signText);
        cleanDataLineInPlace(raw);
    });
    RewrittenLine line;
    while (!numbers.atEnd()) {
        line.text.clear();
        line.values.clear();
        line.tokens.clear();
        try {
            do {
                double x = numbers.next();
                form.add(x, numbers.lastToken(), writeLines ? &line.text : nullptr, line.tokens,
                         numbers.lastPlain());
                line.values.push_back(x);
            } while (!numbers.restOfLineBlank());
        } catch (const InvalidNumericInput&) {
            throw UnreadableNumber({pass.headerLines + numbers.linesRead(), numbers.valuesOnLine(),
                                    std::string(numbers.lastToken()), "the input"});
        }
        numbers.skipLine();
        if (pass.missingValues.reports(line.tokens)) {
            if (!writeLines)
                for (double x : line.values)
                    form.appendText(x, line.text);
            pass.missingValues.add(line.text);
        }
        if (writeLines)
            pass.writer.line(line.text);
        if (assembler)
            assembler->line(line.tokens);
        pass.gauge.step();
    }
}

void showMissingValues(TaskContext& context, const std::filesystem::path& reportFile) {
    context.state.abort = true;
    context.panel.loadFile(reportFile);
    context.messenger.reportError("Missing values are found. Correct the data first.");
    std::filesystem::remove(context.work.file(temporary::input));
}

// Whether a later step reads the data lines of Input.~ itself: the window
// keeps them, the checkup reads them when the rows were not assembled, and
// an estimate appended to the rows copies them.
bool writesDataLines(const RunState& state, bool assembled) {
    bool appendsEstimate =
        taskTraits(state.task).estimatedVariable != NoVariable && !state.convertAndRearrange;
    return state.keepsWorkFiles || !assembled || appendsEstimate;
}

// The rows of the input (or of the panel saved as Input.~) go through one
// pass. A file from outside is read to its end before an unreadable number
// is reported, so that a file that is not text is reported as such first.
void rewriteRows(TaskContext& context, InputLines& lines, TextLineWriter& writer,
                 MissingValueCheck& missingValues, const MissingValueSettings& settings,
                 long long sign, const RawLineWatch& watch, std::vector<RowSink*> sinks) {
    std::vector<std::string> headerLines;
    std::string line;
    auto headerWanted = [&] {
        return static_cast<long long>(headerLines.size()) < context.state.rowsBeforeData;
    };
    while (headerWanted() && lines.header(line)) {
        writer.line(line);
        headerLines.push_back(line);
    }
    for (RowSink* sink : sinks)
        sink->beginRows(headerLines);
    RowPass pass{lines,         writer, missingValues,
                 context.gauge, watch,  static_cast<long>(context.state.rowsBeforeData)};
    if (!settings.enabled) {
        checkData(pass);
        return;
    }
    NormalForm form(sign, settings.substitution);
    bool assembled = rowsAssembledWhileExtracting(context, settings);
    std::optional<RowAssembler> assembler;
    if (assembled)
        assembler.emplace(static_cast<std::size_t>(context.state.columnCount), std::move(sinks));
    try {
        valueSubstitution(pass, form, std::to_string(sign),
                          writesDataLines(context.state, assembled),
                          assembler ? &*assembler : nullptr);
    } catch (const UnreadableNumber&) {
        if (!context.inputFile.empty())
            lines.readToEnd();
        throw;
    }
    if (assembler)
        assembler->finish();
}

} // namespace

bool rowsAssembledWhileExtracting(const TaskContext& context,
                                  const MissingValueSettings& settings) {
    return settings.enabled && context.state.columnCount > 0 &&
           settings.substitution.find_first_of("\r\n") == std::string::npos;
}

long extractDataRows(TaskContext& context, const MissingValueSettings& settings,
                     const RawLineWatch& watch, std::vector<RowSink*> passes, bool keepRows) {
    bool outsideFile = !context.inputFile.empty();
    std::filesystem::path source =
        outsideFile ? context.inputFile : context.work.file(temporary::input);
    InputLines lines(source, outsideFile ? TextSource::Any : TextSource::OwnUtf8);
    long long sign = 0;
    try {
        sign = settings.enabled ? missingValueSign(settings.sign) : 0;
    } catch (const std::runtime_error&) {
        if (outsideFile)
            lines.readToEnd();
        throw;
    }
    std::filesystem::path input = context.work.file(temporary::input);
    std::filesystem::path output = context.work.file(temporary::output);
    std::filesystem::path reportFile = context.work.file(temporary::report);
    MissingValueCheck missingValues(reportFile, context.state.columnCount);
    context.recording.reset();
    std::shared_ptr<RowRecording> recording;
    std::vector<RowSink*> sinks;
    if (rowsAssembledWhileExtracting(context, settings) && keepRows) {
        recording =
            std::make_shared<RowRecording>(static_cast<std::size_t>(context.state.columnCount),
                                           context.work.file(temporary::rows));
        sinks.push_back(recording.get());
    }
    sinks.insert(sinks.end(), passes.begin(), passes.end());
    {
        TextLineWriter writer(output);
        rewriteRows(context, lines, writer, missingValues, settings, sign, watch, std::move(sinks));
        writer.close();
        missingValues.close();
    }
    context.gauge.hide();
    replaceFile(output, input);
    if (missingValues.found()) {
        showMissingValues(context, reportFile);
        return lines.fileLines();
    }
    std::filesystem::remove(reportFile);
    context.recording = std::move(recording);
    return lines.fileLines();
}

} // namespace climora
