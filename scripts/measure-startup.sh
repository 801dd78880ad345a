#!/usr/bin/env bash
# Measures the start: seconds from exec until the launcher is shown (offscreen) and the resident
# memory then, on a copy of the given journal (default: a newly generated commercial one), RUNS times
# (default 3). Usage: scripts/measure-startup.sh [JOURNAL] [RUNS]. Needs the benchmark build
# (scripts/bench.sh makes one).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVIK_BUILD_DIR:-$top/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -ge 1 ]; then
  cp "$1" "$work/Journal.db"
else
  "$build/tolvik_journal_generator" "$work/Journal.db" >/dev/null
fi
cp -r "$top/Lang" "$work/Lang"
echo "journal: $(stat -c %s "$work/Journal.db") bytes"
cd "$work"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
for _ in $(seq "${2:-3}"); do
  TOLVIK_EXEC_NS=$(date +%s%N) "$build/tolvik_startup_probe"
done
