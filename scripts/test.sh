#!/usr/bin/env bash
# Installs what is needed, checks the formatting, builds and runs every test,
# then the core tests once more with the sanitizers. With CI=true (as .ci/run
# sets it) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/check-format.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir build --output-on-failure --timeout 300
./scripts/test-sanitized.sh
