#include "output/LoadBack.h"

#include "base/WorkFolder.h"

namespace climora {

LoadedBack loadBack(std::vector<std::string> outputLines) {
    return LoadedBack{std::string(temporary::output), std::move(outputLines)};
}

} // namespace climora
