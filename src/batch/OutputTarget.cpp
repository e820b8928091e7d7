#include "batch/OutputTarget.h"

#include "base/TextFile.h"
#include "batch/InterruptCleanup.h"
#include "pipeline/WeatherFileUpdate.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace climora {
namespace fs = std::filesystem;

namespace {

constexpr int maxLinkHops = 40;

// The descriptor a link such as /dev/stdout or /proc/self/fd/2 stands for.
std::optional<int> descriptorLink(const fs::path& path) {
    std::string text = path.string();
    for (std::string_view prefix : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
        if (!text.starts_with(prefix))
            continue;
        std::string_view digits = std::string_view(text).substr(prefix.size());
        int fd = -1;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
        if (ec == std::errc() && end == digits.data() + digits.size() && !digits.empty())
            return fd;
    }
    return std::nullopt;
}

bool isUnderProc(const fs::path& path) {
    return path.string().starts_with("/proc/");
}

// Follows the chain of symlinks from `file` one link at a time, so that the
// links of open descriptors are recognised before they are resolved.
OutputTarget followLinks(fs::path file) {
    std::error_code ec;
    file = fs::absolute(file, ec);
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        if (std::optional<int> fd = descriptorLink(file))
            return {OutputTarget::Kind::Descriptor, file, *fd};
        if (!fs::is_symlink(fs::symlink_status(file, ec)))
            break;
        fs::path target = fs::read_symlink(file, ec);
        if (ec)
            break;
        file = (file.parent_path() / target).lexically_normal();
    }
    return {OutputTarget::Kind::ReplacedFile, file, -1};
}

std::string quoted(const fs::path& file) {
    return "\"" + file.string() + "\"";
}

std::string cannotCreate(const fs::path& file, int error) {
    return "Cannot create file " + quoted(file) + ". " + std::strerror(error);
}

void writeLines(const StreamedPanel& panel, std::FILE* out, const std::string& failure) {
    std::string buffer;
    auto flush = [&] {
        if (!buffer.empty() && std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size())
            throw FileError(failure);
        buffer.clear();
    };
    panel.forEachLine([&](std::string_view line) {
        buffer.append(line);
        buffer.append("\r\n");
        if (buffer.size() >= (1 << 20))
            flush();
    });
    flush();
    if (std::fflush(out) != 0)
        throw FileError(failure);
}

// Writes through a descriptor of our own, closed at the end.
void writeToDescriptor(const StreamedPanel& panel, int fd, const fs::path& name) {
    std::FILE* out = fdopen(fd, "wb");
    if (!out) {
        int error = errno;
        ::close(fd);
        throw FileError(cannotCreate(name, error));
    }
    std::string failure = "Write error on file " + quoted(name) + ".";
    try {
        writeLines(panel, out, failure);
    } catch (...) {
        std::fclose(out);
        throw;
    }
    if (std::fclose(out) != 0)
        throw FileError(failure);
}

void writeToOpenDescriptor(const StreamedPanel& panel, int descriptor, const fs::path& name,
                           std::FILE* standardOutput) {
    if (descriptor == 1) {
        writeLines(panel, standardOutput, "Write error on standard output.");
        return;
    }
    int fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        throw FileError(cannotCreate(name, errno));
    writeToDescriptor(panel, fd, name);
}

// Devices and FIFOs are neither created nor truncated.
void writeToStream(const StreamedPanel& panel, const fs::path& file) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(cannotCreate(file, errno));
    writeToDescriptor(panel, fd, file);
}

// The new file is written beside the old one and renamed over it when complete.
void replaceFile(const StreamedPanel& panel, const fs::path& file) {
    fs::path partial = file;
    partial += ".partial~";
    InterruptCleanup::removeOnInterrupt(partial);
    try {
        TextLineWriter writer(partial);
        panel.forEachLine([&](std::string_view line) { writer.line(line); });
        writer.close();
        fs::rename(partial, file);
    } catch (...) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        InterruptCleanup::keepOnInterrupt(partial);
        throw;
    }
    InterruptCleanup::keepOnInterrupt(partial);
}

} // namespace

OutputTarget outputTargetOf(const std::string& file) {
    if (file == "-")
        return {OutputTarget::Kind::Descriptor, "-", 1};
    OutputTarget target = followLinks(file);
    if (target.kind == OutputTarget::Kind::Descriptor)
        return target;
    std::error_code ec;
    fs::file_status status = fs::status(target.path, ec);
    if (fs::is_directory(status))
        throw FileError(cannotCreate(file, EISDIR));
    if (fs::is_regular_file(status) && isReadOnlyFile(target.path))
        throw FileError(readOnlyRefusal(target.path.filename().string()));
    if (fs::exists(status) && (!fs::is_regular_file(status) || isUnderProc(target.path)))
        target.kind = OutputTarget::Kind::Stream;
    return target;
}

void writeOutput(const StreamedPanel& panel, const OutputTarget& target,
                 std::FILE* standardOutput) {
    switch (target.kind) {
    case OutputTarget::Kind::Descriptor:
        writeToOpenDescriptor(panel, target.descriptor, target.path, standardOutput);
        break;
    case OutputTarget::Kind::Stream:
        writeToStream(panel, target.path);
        break;
    case OutputTarget::Kind::ReplacedFile:
        replaceFile(panel, target.path);
        break;
    }
}

} // namespace climora
