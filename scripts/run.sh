#!/usr/bin/env bash
# Installs what is needed, builds and starts Climora.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Climora is built (build/bin/climora) but there is no display to show it on." >&2
    echo "Start it from a graphical desktop session, or on a headless machine with:" >&2
    echo "    xvfb-run -a build/bin/climora" >&2
    exit 1
fi
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/bin/climora
