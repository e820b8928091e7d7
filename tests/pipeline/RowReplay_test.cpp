#include "PipelineFixture.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowExtraction.h"
#include "pipeline/RowParser.h"

#include <cmath>
#include <cstring>

using namespace climora;
using climora::testing::PipelineTest;

namespace {

// The rows of a pass, and whether they ended at a value that cannot be read.
struct PassRows {
    std::vector<std::vector<double>> rows;
    bool unreadableEnd = false;

    bool operator==(const PassRows& other) const {
        if (rows.size() != other.rows.size() || unreadableEnd != other.unreadableEnd)
            return false;
        for (std::size_t i = 0; i < rows.size(); ++i) // bit for bit: -0 is not 0
            if (std::memcmp(rows[i].data(), other.rows[i].data(), rows[i].size() * sizeof(double)))
                return false;
        return true;
    }
};

std::ostream& operator<<(std::ostream& out, const PassRows& pass) {
    for (const auto& row : pass.rows) {
        for (double v : row)
            out << (std::signbit(v) && v == 0 ? "-0" : std::to_string(v)) << ' ';
        out << "| ";
    }
    return out << (pass.unreadableEnd ? "unreadable" : "end");
}

} // namespace

class RowReplay : public PipelineTest {
  protected:
    void SetUp() override {
        columns({{Solar, "MJ/m2/d"}, {TMax, "oC"}, {TMin, "oC"}});
        state.task = 1;
    }

    // What a pass reading the rewritten Input.~ finds.
    PassRows readRewrittenLines() {
        TextLineReader lines(work.file("Input.~"), TextSource::OwnUtf8);
        NumberReader numbers(lines);
        PassRows pass;
        std::vector<double> values(3);
        try {
            while (!numbers.atEnd() && readRow(numbers, spec, record, values.data())) {
                pass.rows.push_back(values);
                numbers.skipLine();
            }
        } catch (const InvalidNumericInput&) {
            pass.unreadableEnd = true;
        }
        return pass;
    }

    PassRows replayRecording() {
        PassRows pass;
        RowRecording::Replay replay(*context.recording);
        std::vector<double> values(3);
        try {
            while (replay.next(values.data()))
                pass.rows.push_back(values);
        } catch (const InvalidNumericInput&) {
            pass.unreadableEnd = true;
        }
        return pass;
    }
};

// The rows the extraction hands on equal, bit for bit, the rows a reader of
// the lines it writes finds, whatever the values and the substitution.
TEST_F(RowReplay, TheExtractionsRowsAreTheRowsItsLinesRead) {
    struct {
        const char* what;
        const char* input;
        MissingValueSettings settings;
    } cases[] = {
        {"thousandths, halves to even", "1.23456 2.0005 -3.00049\r\n", {}},
        {"whole numbers and signs of zero",
         "5 -0 -0.0\r\n6 -0.0004 7.00002\r\n8 -00 -5.000\r\n",
         {}},
        {"huge values, written as several tokens", "1e300 123456789012345678 1.5\r\n", {}},
        {"more than fifteen digits", "0.1234567890123456789 1.0000000000000001 2\r\n", {}},
        {"the sign and an empty substitution", "-99 1 2 3\r\n-98.6 4 5 6\r\n", {true, "-99", ""}},
        {"a substitution of two tokens", "1 -99 2\r\n", {true, "-99", "5 6"}},
        {"a substitution that is not a number", "1 2 3\r\n1 -99 2\r\n", {true, "-99", "x"}},
        {"blank lines, and values beyond the columns", "11 22 33\r\n      \r\n44 55 66 77\r\n", {}},
        {"a row of 0 ends the data", "11 22 33\r\n0 1 2\r\n44 55 66\r\n", {}},
        {"a separated line with an empty field", "2005,,3,4\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (bool keepsWorkFiles : {true, false}) {
            input(c.input, 0);
            state.keepsWorkFiles = true; // the lines are written to be read here
            extractDataRows(context, c.settings);
            ASSERT_FALSE(state.abort);
            ASSERT_TRUE(context.recording && context.recording->finished());
            PassRows replayed = replayRecording();
            EXPECT_EQ(replayed, readRewrittenLines());

            input(c.input, 0);
            state.keepsWorkFiles = keepsWorkFiles;
            extractDataRows(context, c.settings);
            EXPECT_EQ(replayRecording(), replayed) << "keepsWorkFiles " << keepsWorkFiles;
        }
    }
}

// Without its data lines written, a line the missing-value check reports is
// written out for the report all the same.
TEST_F(RowReplay, MissingValuesAreReportedWithTheLinesAsRewritten) {
    for (bool keepsWorkFiles : {true, false}) {
        input("2005 1.5 2\r\n2005 -9999 3\r\n17 18\r\n", 0);
        state.keepsWorkFiles = keepsWorkFiles;
        state.abort = false;
        messenger.clear();
        extractDataRows(context, MissingValueSettings{});
        EXPECT_TRUE(state.abort);
        EXPECT_EQ(panel.lines(),
                  (std::vector<std::string>{"Missing values are found on the following lines:", "",
                                            "2005\t-9999\t3\t", "17\t18\t"}));
        EXPECT_FALSE(context.recording);
    }
}
