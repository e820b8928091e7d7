#pragma once

#include <filesystem>

namespace climora {

// The desktop's "open": hands a document to the program associated with its
// kind. True means a program took it.
class DesktopOpener {
  public:
    virtual ~DesktopOpener() = default;
    virtual bool open(const std::filesystem::path& document) = 0;
};

} // namespace climora
