#include "testing/TempFolder.h"
#include "tools/CleanData.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(CleanData, BlanksEveryNonNumberCharacterInPlace) {
    EXPECT_EQ(cleanDataLine("2005 32 12.5M 3.1"), "2005 32 12.5  3.1");
    EXPECT_EQ(cleanDataLine("1.5E3,+2"), "1.5 3  2");
    EXPECT_EQ(cleanDataLine("25\xC2\xB0"
                            "C"),
              "25  "); // degree sign is one character
    EXPECT_EQ(cleanDataLine("\t-9.\t"), "\t-9.\t");
}

TEST(CleanData, KeepsHeaderLinesAndCleansTheRest) {
    TempFolder dir;
    writeBytes(dir / "in", "Station A, flags: M\r\n2015,01,01,M\r\n\r\nNote x\r\n");
    NullGauge gauge;
    cleanDataFile(dir / "in", dir / "out", 1, gauge);
    EXPECT_EQ(readBytes(dir / "out"), "Station A, flags: M\r\n2015 01 01  \r\n\r\n      \r\n");
}
