#!/usr/bin/env bash
# Configures and builds Climora into build/ (program in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
# CI=true makes warnings errors.
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLIMORA_WERROR="$werror" > /dev/null
cmake --build build --parallel "$(nproc)"
