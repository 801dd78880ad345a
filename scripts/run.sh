#!/usr/bin/env bash
# Builds Tolvik and starts it in the per-user working directory, which holds Journal.db and a current Lang.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
work=${XDG_DATA_HOME:-$HOME/.local/share}/tolvik
mkdir -p "$work"
rm -rf "$work/Lang"
cp -r "$top/Lang" "$work/Lang"
cd "$work"
exec "${TOLVIK_BUILD_DIR:-$top/build}/tolvik" "$@"
