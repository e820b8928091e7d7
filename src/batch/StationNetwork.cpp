#include "batch/StationNetwork.h"

#include "base/NumberText.h"
#include "base/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;
namespace climora {
namespace {

unsigned jobsOption(const std::string& text) {
    std::optional<long long> jobs = parseInteger(text);
    if (!jobs || *jobs < 1 || *jobs > 4096 || text.front() == '+')
        throw UsageError("-j needs a whole number of one or more");
    return static_cast<unsigned>(*jobs);
}

void checkInputs(const StationNetwork& network) {
    std::map<std::string, fs::path> outputNames;
    for (const fs::path& input : network.inputs) {
        if (input == "-")
            throw UsageError("standard input (-) can only be the one INPUT");
        if (fs::is_directory(input))
            throw FileError("\"" + input.string() +
                            "\" is a folder; give the station files in it instead");
        std::string name = input.stem().string() + network.extension;
        auto [earlier, added] = outputNames.emplace(name, input);
        if (!added)
            throw UsageError("\"" + earlier->second.string() + "\" and \"" + input.string() +
                             "\" would both be written to \"" + name + "\"");
    }
}

// Creates the folder when it does not exist and tries a file in it: a
// permission check alone would pass for root on a read-only mount.
void checkOutputFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && !fs::is_directory(folder, ec))
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        throw FileError("Cannot create the output folder \"" + folder.string() +
                        "\": " + ec.message());
    std::string probe = (folder / ".climora-batch-XXXXXX").string();
    int descriptor = mkstemp(probe.data());
    if (descriptor < 0)
        throw FileError("Cannot write in the output folder \"" + folder.string() +
                        "\": " + std::strerror(errno));
    close(descriptor);
    unlink(probe.c_str());
}

} // namespace

bool applyNetworkOption(const std::string& option, Arguments& args, NetworkOptions& network) {
    if (option == "--output-dir")
        network.outputDir = fs::path(args.value(option));
    else if (option == "-j")
        network.jobs = jobsOption(args.value(option));
    else
        return false;
    return true;
}

std::string layoutExtension(OutputFormat format) {
    switch (format) {
    case OutputFormat::Dssat:
        return ".WTH";
    case OutputFormat::Apsim:
        return ".met";
    case OutputFormat::Agrovia:
        break;
    }
    return ".wth";
}

void prepareStationNetwork(const StationNetwork& network) {
    checkInputs(network);
    checkOutputFolder(network.outputDir);
}

} // namespace climora
