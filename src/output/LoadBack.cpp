#include "output/LoadBack.h"

namespace climora {

LoadedBack loadBack(std::vector<std::string> outputLines) {
    return LoadedBack{std::string(loadedBackInputName), std::move(outputLines)};
}

} // namespace climora
