#!/usr/bin/env bash
# Configures and builds Climora into build/ (program in build/bin): an
# optimised Release build; CLIMORA_BUILD_TYPE=RelWithDebInfo keeps the
# debugging information.
set -euo pipefail
cd "$(dirname "$0")/.."
# CI=true makes warnings errors.
werror=OFF
[ "${CI:-}" = true ] && werror=ON
build_type="${CLIMORA_BUILD_TYPE:-Release}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$build_type" -DCLIMORA_WERROR="$werror" > /dev/null
cmake --build build --parallel "$(nproc)"
