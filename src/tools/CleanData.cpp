#include "tools/CleanData.h"

#include "base/TextFile.h"

namespace climora {

bool isDataCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == ' ' || c == '\t';
}

void cleanDataLineInPlace(std::string& line) {
    std::size_t kept = 0; // never ahead of the character being read
    for (char c : line) {
        if (isDataCharacter(c))
            line[kept++] = c;
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // not a continuation byte
            line[kept++] = ' ';
    }
    line.resize(kept);
}

std::string cleanDataLine(std::string_view line) {
    std::string cleaned(line);
    cleanDataLineInPlace(cleaned);
    return cleaned;
}

void cleanDataFile(const std::filesystem::path& input, const std::filesystem::path& output,
                   long long headerRows, ActivityGauge& gauge) {
    TextLineReader reader(input);
    TextLineWriter writer(output);
    std::string line;
    for (long long i = 0; i < headerRows && reader.next(line); ++i)
        writer.line(line);
    gauge.show();
    while (reader.next(line)) {
        writer.line(cleanDataLine(line));
        gauge.step();
    }
    writer.close();
    gauge.hide();
}

} // namespace climora
