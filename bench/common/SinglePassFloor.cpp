#include "common/SinglePassFloor.h"

#include "common/StationFile.h"
#include "methods/PenmanMonteith.h"
#include "methods/SolarGeometry.h"
#include "pipeline/UnitFactors.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace climora::bench {
namespace {

constexpr std::size_t blockSize = std::size_t{1} << 20;
constexpr std::size_t shortestDataLine = 5; // characters; a shorter line starts the end notes
constexpr double missingSign = -99;
constexpr double missingSubstitute = 0.01;

std::runtime_error fileError(const char* what, const fs::path& file) {
    return std::runtime_error(std::string(what) + " " + file.string() + ": " +
                              std::strerror(errno));
}

// The lines of a file, read in blocks.
class BlockLines {
  public:
    explicit BlockLines(const fs::path& file)
        : file_(file), descriptor_(::open(file.c_str(), O_RDONLY)), buffer_(blockSize) {
        if (descriptor_ < 0)
            throw fileError("cannot open", file);
    }
    ~BlockLines() { ::close(descriptor_); }
    BlockLines(const BlockLines&) = delete;
    BlockLines& operator=(const BlockLines&) = delete;

    // The next line without its line end; false at the end of the file.
    bool next(std::string_view& line);

  private:
    void readBlock();

    fs::path file_;
    int descriptor_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // the first byte not handed out yet
    std::size_t end_ = 0;   // the end of the bytes read
    bool atEnd_ = false;
};

std::string_view withoutCarriageReturn(const char* start, std::size_t length) {
    if (length > 0 && start[length - 1] == '\r')
        --length;
    return {start, length};
}

bool BlockLines::next(std::string_view& line) {
    while (true) {
        const char* start = buffer_.data() + begin_;
        std::size_t available = end_ - begin_;
        if (const void* newline = std::memchr(start, '\n', available)) {
            std::size_t length = static_cast<const char*>(newline) - start;
            begin_ += length + 1;
            line = withoutCarriageReturn(start, length);
            return true;
        }
        if (atEnd_) {
            begin_ = end_;
            line = withoutCarriageReturn(start, available);
            return available > 0;
        }
        readBlock();
    }
}

// Moves the unfinished line to the front and reads the next block after it.
void BlockLines::readBlock() {
    std::size_t kept = end_ - begin_;
    std::memmove(buffer_.data(), buffer_.data() + begin_, kept);
    if (buffer_.size() < kept + blockSize)
        buffer_.resize(kept + blockSize);
    ssize_t count;
    do
        count = ::read(descriptor_, buffer_.data() + kept, blockSize);
    while (count < 0 && errno == EINTR);
    if (count < 0)
        throw fileError("cannot read", file_);
    begin_ = 0;
    end_ = kept + static_cast<std::size_t>(count);
    atEnd_ = count == 0;
}

// Text written to a file whenever a block of it has gathered.
class BlockWriter {
  public:
    explicit BlockWriter(const fs::path& file)
        : file_(file), descriptor_(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {
        if (descriptor_ < 0)
            throw fileError("cannot create", file);
        text_.reserve(2 * blockSize);
    }
    ~BlockWriter() { ::close(descriptor_); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    std::string& text() { return text_; }
    void flushWhenFull() {
        if (text_.size() >= blockSize)
            flush();
    }
    void flush();

  private:
    fs::path file_;
    int descriptor_;
    std::string text_;
};

void BlockWriter::flush() {
    const char* data = text_.data();
    std::size_t left = text_.size();
    while (left > 0) {
        ssize_t count = ::write(descriptor_, data, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            throw fileError("cannot write", file_);
        data += count;
        left -= static_cast<std::size_t>(count);
    }
    text_.clear();
}

// One data row in the station file's units.
struct StationRow {
    int year;
    int dayOfYear;
    double solar; // Langley
    double tMax;  // oF
    double tMin;
    double precip; // inch
    double relHum; // %
    double wind;   // mile/hr
};
constexpr std::size_t stationValues = 8;

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// The program's substitution: a value that rounds to the missing sign.
double substituteMissing(double value) {
    bool missing = std::fabs(value - missingSign) <= 0.5 && std::nearbyint(value) == missingSign;
    return missing ? missingSubstitute : value;
}

// The line's values; every character that cannot belong to a number (a
// comma, a blank, a quality flag) separates them. The station file's values
// have at most two decimals, so the batch's rewriting of each value with
// three decimals leaves them as they are.
std::array<double, stationValues> readValues(std::string_view line) {
    std::array<double, stationValues> values;
    const char* p = line.data();
    const char* end = p + line.size();
    for (double& value : values) {
        while (p != end && !isNumberCharacter(*p))
            ++p;
        const char* token = p;
        while (p != end && isNumberCharacter(*p))
            ++p;
        auto result = std::from_chars(token, p, value);
        if (token == p || result.ec != std::errc() || result.ptr != p)
            throw std::runtime_error("unreadable data line: " + std::string(line));
        value = substituteMissing(value);
    }
    return values;
}

StationRow rowOf(const std::array<double, stationValues>& v) {
    return {static_cast<int>(std::nearbyint(v[0])),
            static_cast<int>(std::nearbyint(v[1])),
            v[2],
            v[3],
            v[4],
            v[5],
            v[6],
            v[7]};
}

// Characters, not bytes; only a short line needs them counted.
bool startsEndNotes(std::string_view line) {
    if (line.size() >= 4 * shortestDataLine)
        return false;
    std::size_t characters = 0;
    for (char c : line)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters < shortestDataLine;
}

void appendDecimals(std::string& out, double value, int decimals) {
    std::array<char, 400> digits;
    auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                std::chars_format::fixed, decimals);
    out.append(digits.data(), result.ptr);
}

void appendWhole(std::string& out, int value) {
    std::array<char, 16> digits;
    auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

double celsiusOf(double fahrenheit) {
    return (fahrenheit - 32) / 1.8;
}

// The core's factors from the station file's units to MJ/m2/d, mm and m/s.
struct StationFactors {
    double solar = conversionUnitSolar("Langley");
    double water = conversionUnitForWater("inch");
    double wind = conversionUnitWS("mile/hr");
};

void appendAgroviaLine(std::string& out, const StationRow& row, const StationFactors& factors,
                       double et) {
    appendWhole(out, row.year);
    out += '\t';
    appendWhole(out, row.dayOfYear);
    out += '\t';
    appendDecimals(out, row.solar * factors.solar, 2);
    out += '\t';
    appendDecimals(out, celsiusOf(row.tMax), 1);
    out += '\t';
    appendDecimals(out, celsiusOf(row.tMin), 1);
    out += '\t';
    appendDecimals(out, row.relHum, 0);
    out += '\t';
    appendDecimals(out, row.precip * factors.water, 1);
    out += '\t';
    appendDecimals(out, et, 1);
    out += "\r\n";
}

// The alfalfa reference ET of task 7: 1.3 x the FAO Penman-Monteith ET0,
// wind measured at 2 m.
class AlfalfaEt {
  public:
    explicit AlfalfaEt(const FloorSite& site)
        : site_(penmanMonteithSite(site.elevation)),
          days_(latitudeInRadians(site.latitude), angstromConstantsOf(0)) {}

    double of(const StationRow& row, const StationFactors& factors) {
        PenmanMonteithWeather weather;
        weather.rs = row.solar * factors.solar;
        weather.windSpeed = row.wind * factors.wind;
        weather.tMax = celsiusOf(row.tMax);
        weather.tMin = celsiusOf(row.tMin);
        weather.relativeHumidity = row.relHum;
        return penmanMonteithDay(site_, days_.of(row.dayOfYear), weather).etr;
    }

  private:
    PenmanMonteithSite site_;
    DayGeometryCache days_;
};

bool outside(double value, double low, double high) {
    return value < low || value > high;
}

// The checkup's screening of one row: its values and its place in the
// sequence of days.
class Checkup {
  public:
    bool suspicious(const StationRow& row, const StationFactors& factors) {
        if (row.dayOfYear < 1 || row.dayOfYear > 366)
            throw std::runtime_error("Input of DOY (day of year) is wrong.");
        if (!started_)
            previous_ = {row.year, row.dayOfYear - 1};
        started_ = true;
        bool broken = row.dayOfYear == previous_.dayOfYear ||
                      (row.year == previous_.year && (row.dayOfYear > previous_.dayOfYear + 1 ||
                                                      row.dayOfYear < previous_.dayOfYear));
        previous_ = {row.year, row.dayOfYear};
        return broken || suspiciousValue(row, factors);
    }

  private:
    static bool suspiciousValue(const StationRow& row, const StationFactors& factors) {
        double solar = row.solar * factors.solar;
        double tMax = celsiusOf(row.tMax);
        double tMin = celsiusOf(row.tMin);
        return solar > 60 || solar == 0 || tMax <= tMin || tMax > 60 || tMin < -50 ||
               outside(row.relHum, 0, 100) || outside(row.precip * factors.water, 0, 1000) ||
               row.wind * factors.wind < 0;
    }

    struct Day {
        int year = 0;
        int dayOfYear = 0;
    };
    bool started_ = false;
    Day previous_;
};

void appendReportLine(std::string& out, const StationRow& row) {
    out += '\t';
    appendWhole(out, row.year);
    out += " / ";
    appendWhole(out, row.dayOfYear);
    out += "\r\n";
}

// What a task makes of each row.
class RowHandler {
  public:
    RowHandler(FloorTask task, const FloorSite& site) : task_(task), alfalfa_(site) {}

    void handle(const StationRow& row, std::string& out) {
        switch (task_) {
        case FloorTask::Convert:
            appendAgroviaLine(out, row, factors_, 0);
            return;
        case FloorTask::PenmanMonteith:
            appendAgroviaLine(out, row, factors_, alfalfa_.of(row, factors_));
            return;
        case FloorTask::Checkup:
            if (checkup_.suspicious(row, factors_))
                appendReportLine(out, row);
            return;
        }
    }

  private:
    FloorTask task_;
    StationFactors factors_;
    AlfalfaEt alfalfa_;
    Checkup checkup_;
};

} // namespace

void runSinglePassFloor(FloorTask task, const fs::path& station, const fs::path& output,
                        const FloorSite& site) {
    BlockLines lines(station);
    BlockWriter out(output);
    RowHandler handler(task, site);
    std::string_view line;
    for (int i = 0; i < stationHeaderLines && lines.next(line); ++i) {
    }
    while (lines.next(line) && !startsEndNotes(line)) {
        handler.handle(rowOf(readValues(line)), out.text());
        out.flushWhenFull();
    }
    out.flush();
}

} // namespace climora::bench
