#!/usr/bin/env bash
# Builds Tolvik and starts it through the installed start script, pointed at this build and the sources.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
TOLVIK_PROGRAM=${TOLVIK_BUILD_DIR:-$top/build}/tolvik TOLVIK_LANG=$top/Lang exec "$top/packaging/tolvik" "$@"
