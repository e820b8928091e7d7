#pragma once

#include <QIcon>

namespace climora {

// Pictures the explorer draws itself.
QIcon favoriteIcon();
// The Stop button: grey while idle, red while a page loads.
QIcon stopIcon(bool active);

} // namespace climora
