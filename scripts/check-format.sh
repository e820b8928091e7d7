#!/usr/bin/env bash
# Fails when a C++ file under src/ or tests/ is not formatted by .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
