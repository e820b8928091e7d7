#include "base/NumberText.h"
#include "base/TextFile.h"
#include "pipeline/Calendar.h"
#include "pipeline/FixedText.h"
#include "pipeline/RowParser.h"
#include "pipeline/UnitFactors.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace climora;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

ColumnSpec specOf(std::initializer_list<int> variables) {
    ColumnSpec spec;
    spec.variable.fill(NoVariable);
    int k = 0;
    for (int v : variables)
        spec.variable[k++] = v;
    spec.columnCount = k;
    return spec;
}

} // namespace

TEST(NumberReader, ReadsTokensAcrossLineEndsAndGivesZeroAtTheEnd) {
    TempFolder dir;
    writeBytes(dir / "f", "  1.5\t-2\r\n\r\n   7e2 \r\n8");
    TextLineReader lines(dir / "f");
    NumberReader reader(lines);
    EXPECT_EQ(reader.next(), 1.5);
    EXPECT_FALSE(reader.restOfLineBlank());
    EXPECT_EQ(reader.next(), -2);
    EXPECT_TRUE(reader.restOfLineBlank());
    EXPECT_EQ(reader.next(), 700); // the empty line is skipped like a blank
    EXPECT_TRUE(reader.restOfLineBlank());
    reader.skipLine();
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next(), 8);
    EXPECT_EQ(reader.next(), 0);
    EXPECT_EQ(reader.next(), 0);
    EXPECT_TRUE(reader.atEnd());
}

TEST(NumberReader, SkipLineDropsTheRestOfTheLine) {
    TempFolder dir;
    writeBytes(dir / "f", "1 2 3\r\n4 5\r\n");
    TextLineReader lines(dir / "f");
    NumberReader reader(lines);
    EXPECT_EQ(reader.next(), 1);
    reader.skipLine();
    EXPECT_EQ(reader.next(), 4);
    reader.skipLine();
    EXPECT_TRUE(reader.atEnd());
}

TEST(NumberReader, NonNumbersAreInvalidNumericInput) {
    for (const char* text : {"-", "1.2.3", ".", "--5", "5-", "12a", "1,5"}) {
        TempFolder dir;
        writeBytes(dir / "f", std::string("7 ") + text + "\r\n");
        TextLineReader lines(dir / "f");
        NumberReader reader(lines);
        EXPECT_EQ(reader.next(), 7);
        try {
            reader.next();
            ADD_FAILURE() << text << " was read as a number";
        } catch (const InvalidNumericInput& e) {
            EXPECT_STREQ(e.what(), "Invalid numeric input");
        }
    }
}

TEST(NumberReader, LongRunsAreReadAsTokensOf64Characters) {
    TempFolder dir;
    writeBytes(dir / "f", std::string(64, '1') + "25\r\n");
    TextLineReader lines(dir / "f");
    NumberReader reader(lines);
    EXPECT_DOUBLE_EQ(reader.next(), 1.1111111111111111e63);
    EXPECT_EQ(reader.next(), 25);
}

TEST(ParseDataNumber, AgreesWithTheGeneralParserToTheLastBit) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> whole(-99999999999, 99999999999);
    std::uniform_int_distribution<int> places(0, 9);
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(whole(random));
        int p = places(random);
        if (p > 0 && text.size() > static_cast<std::size_t>(p) + 1)
            text.insert(text.size() - static_cast<std::size_t>(p), ".");
        ASSERT_EQ(parseDataNumber(text), parseNumber(text)) << text;
    }
    for (const char* text :
         {"0.1", "-0", "5.", ".5", "9007199254740993", "1e5", "0.30000000000000004",
          "123456789012345678901234", "0.0000000000000000000000001"})
        EXPECT_EQ(parseDataNumber(text), parseNumber(text)) << text;
    EXPECT_TRUE(std::signbit(*parseDataNumber("-0")));
}

TEST(FixedText, GivesTheSameTextAsFormatFixed) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> spread(-2000, 2000);
    std::string out;
    for (int i = 0; i < 40000; ++i) {
        double v = spread(random);
        if (i % 4 == 0)
            v = std::round(v * 1000) / 1000; // many values near the rounding point
        for (int d = 0; d <= 3; ++d) {
            out.clear();
            appendFixed(out, v, d);
            ASSERT_EQ(out, formatFixed(v, d)) << v << " " << d;
        }
    }
    for (double v : {0.125, 0.375, 2.5, -0.04, -0.0, 0.0, 1e12, -1e15, 0.05, 41.86})
        for (int d = 0; d <= 3; ++d) {
            out.clear();
            appendFixed(out, v, d);
            EXPECT_EQ(out, formatFixed(v, d)) << v << " " << d;
        }
}

TEST(AssignValue, StoresEachVariableAndSetsItsFlag) {
    ColumnSpec spec = specOf({Year, Month, Day, DOY, Solar, Ignore, TMax, NoVariable});
    WeatherRecord record;
    const double values[] = {2004.4, 2.5, 3.5, 60.6, 14.25, 99, 21.5, 5};
    for (int k = 1; k <= 8; ++k)
        assignValue(spec, record, k, values[k - 1]);
    EXPECT_EQ(record.year, 2004);
    EXPECT_EQ(record.month, 2); // halves go to the even neighbour
    EXPECT_EQ(record.day, 4);
    EXPECT_EQ(record.dayOfYear, 61);
    EXPECT_EQ(record.value(Solar), 14.25);
    EXPECT_EQ(record.value(TMax), 21.5);
    EXPECT_EQ(record.ignored, 99);
    EXPECT_TRUE(record.has(Year) && record.has(Month) && record.has(Day) && record.has(DOY));
    EXPECT_TRUE(record.has(Solar) && record.has(TMax));
    EXPECT_FALSE(record.has(TMin) || record.has(Precip));
    record.reset();
    EXPECT_FALSE(record.has(Year));
    EXPECT_EQ(record.value(Solar), 0);
}

TEST(AssignValue, SplitsYyDoyIntoYearAndDayOfYear) {
    ColumnSpec spec = specOf({YYDOY});
    WeatherRecord record;
    auto check = [&](double x, int year, int doy) {
        assignValue(spec, record, 1, x);
        EXPECT_EQ(record.year, year) << x;
        EXPECT_EQ(record.dayOfYear, doy) << x;
    };
    check(98123, 1998, 123);
    check(5123, 2005, 123);
    check(20366, 2020, 366);
    check(21001, 1921, 1);
    check(13001, 2013, 1);
    check(1999001, 1999, 1);
    check(2020366, 2020, 366);
    check(2024003, 2024, 3);
    EXPECT_TRUE(record.has(Year) && record.has(DOY));
}

TEST(AssignValue, TheLaterOfTwoSlotsWins) {
    ColumnSpec spec = specOf({TMax, TMax});
    WeatherRecord record;
    assignValue(spec, record, 1, 10);
    assignValue(spec, record, 2, 20);
    EXPECT_EQ(record.value(TMax), 20);
}

TEST(AssignValue, ADateBeyondTheIntegerRangeIsInvalidInput) {
    ColumnSpec spec = specOf({Year});
    WeatherRecord record;
    EXPECT_THROW(assignValue(spec, record, 1, 1e30), InvalidNumericInput);
}

TEST(ReadRow, AFirstValueOfZeroMeansNoData) {
    TempFolder dir;
    writeBytes(dir / "f", "0 2005 12\r\n2005 32 14\r\n");
    TextLineReader lines(dir / "f");
    NumberReader reader(lines);
    ColumnSpec spec = specOf({Precip, Year, DOY});
    WeatherRecord record;
    EXPECT_FALSE(readRow(reader, spec, record));
    EXPECT_FALSE(record.has(Precip));
    reader.skipLine();
    EXPECT_TRUE(readRow(reader, spec, record));
    EXPECT_EQ(record.value(Precip), 2005);
    EXPECT_EQ(record.dayOfYear, 14);
    reader.skipLine();
    EXPECT_FALSE(readRow(reader, spec, record)); // the end of the file reads as 0
}

TEST(UnitFactors, KnownTextsAndZeroForTheRest) {
    EXPECT_EQ(conversionUnitSolar("MJ/m2/d"), 1);
    EXPECT_EQ(conversionUnitSolar("Langley"), 0.04186);
    EXPECT_EQ(conversionUnitSolar("W/m2"), 0.0864);
    EXPECT_EQ(conversionUnitSolar("langley"), 0);
    EXPECT_EQ(conversionUnitSolar(""), 0);
    EXPECT_EQ(conversionUnitForWater("mm"), 1);
    EXPECT_EQ(conversionUnitForWater("cm"), 10);
    EXPECT_EQ(conversionUnitForWater("inch"), 25.4);
    EXPECT_EQ(conversionUnitForWater("in"), 0);
    EXPECT_DOUBLE_EQ(conversionUnitWS("km/hr"), 0.2777777777777778);
    EXPECT_DOUBLE_EQ(conversionUnitWS("mile/hr"), 0.4469444444444444);
    EXPECT_EQ(conversionUnitWS("m/s"), 1);
    EXPECT_EQ(conversionUnitWS("mph"), 0);
}

TEST(Calendar, DayOfYearOfRealDatesOnly) {
    EXPECT_EQ(dayOfYearOf(2004, 2, 29), 60);
    EXPECT_EQ(dayOfYearOf(2004, 12, 31), 366);
    EXPECT_EQ(dayOfYearOf(2005, 12, 31), 365);
    EXPECT_EQ(dayOfYearOf(2005, 1, 1), 1);
    EXPECT_EQ(dayOfYearOf(1900, 3, 1), 60);
    EXPECT_EQ(dayOfYearOf(2000, 3, 1), 61);
    EXPECT_FALSE(dayOfYearOf(2005, 2, 29));
    EXPECT_FALSE(dayOfYearOf(2005, 2, 30));
    EXPECT_FALSE(dayOfYearOf(2005, 13, 1));
    EXPECT_FALSE(dayOfYearOf(2005, 4, 31));
}
