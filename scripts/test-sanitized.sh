#!/usr/bin/env bash
# Builds the core, the batch and the core tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs those tests.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLIMORA_GUI=OFF \
    -DCLIMORA_SANITIZE=ON -DCLIMORA_WERROR="$werror" > /dev/null
cmake --build build-sanitize --parallel "$(nproc)" --target climora_core_tests climora-batch
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --timeout 300 --parallel "$(nproc)"
