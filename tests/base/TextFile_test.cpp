#include "base/TextFile.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(TextDecoding, PicksEncodingByMarkThenValidity) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBFT-max \xC2\xB0"
                         "F"),
              "T-max \xC2\xB0"
              "F");
    EXPECT_EQ(decodeText(std::string("\xFF\xFEO\0K\0", 6)), "OK");
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\0O\0K", 6)), "OK");
    EXPECT_EQ(decodeText("25 \xC2\xB0"
                         "C"),
              "25 \xC2\xB0"
              "C"); // valid UTF-8 stays
    EXPECT_EQ(decodeText("25 \xB0"
                         "F \x80"),
              "25 \xC2\xB0"
              "F \xE2\x82\xAC"); // Windows-1252
    // The bytes Windows-1252 leaves undefined become the controls of that number.
    EXPECT_EQ(decodeText("M\x81nchen \x8D\x8F\x90\x9D"),
              "M\xC2\x81nchen \xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(TextDecoding, RefusesWhatIsNotText) {
    EXPECT_THROW(decodeText(std::string("ab\0cd", 5)), NotATextFile);
    EXPECT_THROW(decodeText(std::string("M\x81nchen\0", 8)), NotATextFile);
    EXPECT_THROW(decodeText(std::string("\xFF\xFEO", 3)), NotATextFile); // odd length
    EXPECT_THROW(decodeText(std::string("\xFF\xFE\x00\xD8\x41\x00", 6)),
                 NotATextFile);                                  // lone surrogate
    EXPECT_THROW(decodeText("\xEF\xBB\xBF\xC3("), NotATextFile); // marked UTF-8 that is not
}

TEST(TextDecoding, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(splitLines("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextFiles, WriteUsesCrLfAndReadsBack) {
    TempFolder folder;
    writeTextLines(folder / "x.txt", {"1990\t1", "", "\xC2\xB0"});
    EXPECT_EQ(climora::testing::readBytes(folder / "x.txt"), "1990\t1\r\n\r\n\xC2\xB0\r\n");
    EXPECT_EQ(readTextLines(folder / "x.txt"),
              (std::vector<std::string>{"1990\t1", "", "\xC2\xB0"}));
}

TEST(TextFiles, MissingFileOrFolderIsAnError) {
    TempFolder folder;
    EXPECT_THROW(readTextLines(folder / "none.txt"), FileError);
    EXPECT_THROW(readTextLines(folder.path()), NotATextFile);
    EXPECT_THROW(writeTextLines(folder / "no" / "such.txt", {"x"}), FileError);
}

TEST(TextLineReader, ARefusedFileLeavesNoDescriptorOpen) {
    TempFolder folder;
    writeBytes(folder / "nul.txt", std::string("2005\0 1", 7));
    writeBytes(folder / "utf16.txt", std::string("\xFF\xFEO", 3));
    auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto before = openDescriptors();
    for (int i = 0; i < 20; ++i)
        for (const char* name : {"nul.txt", "utf16.txt"})
            EXPECT_THROW(TextLineReader(folder / name), NotATextFile) << name;
    EXPECT_EQ(openDescriptors(), before);
}

TEST(TextLineReader, StreamsLinesAcrossChunksAndEncodings) {
    TempFolder folder;
    std::string big;
    for (int i = 0; i < 200000; ++i)
        big += "2015\t" + std::to_string(i) + "\t\xC2\xB0\r\n";
    writeBytes(folder / "big.txt", big);
    TextLineReader reader(folder / "big.txt");
    std::string line;
    int count = 0;
    std::string last;
    while (reader.next(line)) {
        ASSERT_EQ(line.find('\r'), std::string::npos);
        last = line;
        ++count;
    }
    EXPECT_EQ(count, 200000);
    EXPECT_EQ(last, "2015\t199999\t\xC2\xB0");

    writeBytes(folder / "w.txt", "a\xB0\rb");
    TextLineReader ansi(folder / "w.txt");
    ASSERT_TRUE(ansi.next(line));
    EXPECT_EQ(line, "a\xC2\xB0");
    ASSERT_TRUE(ansi.next(line));
    EXPECT_EQ(line, "b");
    EXPECT_FALSE(ansi.next(line));
    ansi.rewind();
    ASSERT_TRUE(ansi.next(line));
    EXPECT_EQ(line, "a\xC2\xB0");
}

TEST(TextLineReader, FindsEveryKindOfLineEndAtAnyOffsetAsSplitLinesDoes) {
    TempFolder folder;
    std::string text;
    const char* ends[] = {"\r\n", "\n", "\r"};
    for (int i = 0; i < 3000; ++i) {
        text.append(static_cast<std::size_t>(i % 19), static_cast<char>('a' + i % 26));
        if (i % 7 == 0)
            text += "\xC2\xB0";
        text += ends[i % 3];
    }
    writeBytes(folder / "mixed.txt", text);
    TextLineReader reader(folder / "mixed.txt");
    std::vector<std::string> streamed;
    std::string line;
    while (reader.next(line))
        streamed.push_back(line);
    EXPECT_EQ(streamed, splitLines(text));
    EXPECT_EQ(detectEncoding(text), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding(text + std::string(9, 'x') + "\xB0"), TextEncoding::Windows1252);
}

// The encoding is settled at the first byte that is not ASCII, however far
// into the file: the lines are those of the whole file decoded at once.
TEST(TextLineReader, SettlesTheEncodingWhereTheFirstOtherByteStands) {
    TempFolder folder;
    std::string ascii;
    for (int i = 0; ascii.size() < (300u << 10); ++i)
        ascii += "2005\t" + std::to_string(i) + "\r\n";
    const struct {
        const char* what;
        std::string tail;
    } cases[] = {
        {"ASCII only", "end\r\n"},
        {"Windows-1252", "12\xB0 F\r\nlast \x80"},
        {"UTF-8", "12\xC2\xB0 F\r\nlast \xE2\x82\xAC"},
        {"UTF-8, then a byte that is not", "12\xC2\xB0 F\r\n\xB0"},
        {"a character cut at a read's end", std::string(128 << 10, 'x') + "\xC2\xB0\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(folder / "f.txt", ascii + c.tail);
        TextLineReader reader(folder / "f.txt");
        std::vector<std::string> streamed;
        std::string line;
        while (reader.next(line))
            streamed.push_back(line);
        EXPECT_EQ(streamed, readTextLines(folder / "f.txt"));
    }
    writeBytes(folder / "nul.txt", ascii + std::string("2005\0 1\r\n", 9));
    TextLineReader late(folder / "nul.txt"); // the first lines are handed out
    std::string line;
    ASSERT_TRUE(late.next(line));
    EXPECT_THROW(while (late.next(line)){}, NotATextFile);
}
