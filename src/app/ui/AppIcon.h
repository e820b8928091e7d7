#pragma once

#include <QIcon>

namespace climora {

// The program's icon, the same drawing the desktop entry shows. Drawing it
// needs Qt's SVG icon engine; without that plugin the icon is null.
QIcon climoraIcon();

} // namespace climora
