#pragma once

#include "output/DesktopOpener.h"

namespace climora {

// Opens a document with the program the desktop associates with it.
class QtDesktopOpener : public DesktopOpener {
  public:
    bool open(const std::filesystem::path& document) override;
};

} // namespace climora
