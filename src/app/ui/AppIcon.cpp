#include "app/ui/AppIcon.h"

// Resources of a static library are registered by hand.
static void registerIconResource() {
    static bool registered = [] {
        Q_INIT_RESOURCE(ClimoraIcon);
        return true;
    }();
    (void)registered;
}

namespace climora {

QIcon climoraIcon() {
    registerIconResource();
    return QIcon(QStringLiteral(":/icons/io.github.climora.Climora.svg"));
}

} // namespace climora
