#!/usr/bin/env bash
# Builds Climora for release and installs it under PREFIX (default ~/.local):
# PREFIX/bin/climora and climora-batch, the shipped files in
# PREFIX/share/climora, the desktop entry, icon, file type and man page.
#     ./scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="${1:-$HOME/.local}"
./scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLIMORA_TESTS=OFF -DCLIMORA_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" > /dev/null
cmake --build build-release --parallel "$(nproc)"
cmake --install build-release

# Let the desktop see the new entry, file type and icon at once (each tool is
# optional; the next login refreshes them anyway).
share="$prefix/share"
command -v update-mime-database > /dev/null && update-mime-database "$share/mime" || true
command -v update-desktop-database > /dev/null && update-desktop-database "$share/applications" || true
command -v gtk-update-icon-cache > /dev/null &&
    gtk-update-icon-cache -q -t -f "$share/icons/hicolor" 2> /dev/null || true

echo "Climora is installed in $prefix (programs in $prefix/bin)."
case ":$PATH:" in
*":$prefix/bin:"*) ;;
*) echo "Add $prefix/bin to PATH to start climora and climora-batch by name." ;;
esac
