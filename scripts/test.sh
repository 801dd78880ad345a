#!/usr/bin/env bash
# Builds Tolvik with its tests and runs every test headless on the offscreen Qt platform.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh" -DTOLVIK_TESTS=ON "$@"
cd "${TOLVIK_BUILD_DIR:-$top/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --no-tests=error
