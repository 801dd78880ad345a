#!/usr/bin/env bash
# Builds the benchmark (-DTOLVIK_BENCH=ON), makes the journals it measures under /tmp (kept for
# later runs) and runs it on them in one run: store loading against the plain SQLite loop, resident
# memory, the inspection handlers; then the colonies' care (a site's treatment, a year's register of
# medicines); then the charts' frames; then the journal window's pages on a
# copy of each journal, as the program shows them. Usage: scripts/bench.sh [SCALE...]
# (default 1 10: the commercial journal and ten times it). With TOLVIK_BUILD_LOCK set, the build
# waits for that lock file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVIK_BUILD_DIR:-$top/build}
journals=${TOLVIK_BENCH_JOURNALS:-/tmp/tolvik-bench}
scales=("$@")
[ ${#scales[@]} -eq 0 ] && scales=(1 10)

"$top/scripts/install-deps.sh" libbenchmark-dev
locked=()
[ -n "${TOLVIK_BUILD_LOCK:-}" ] && locked=(flock "$TOLVIK_BUILD_LOCK")
"${locked[@]}" "$top/scripts/build.sh" -DTOLVIK_BENCH=ON

mkdir -p "$journals"
files=()
for scale in "${scales[@]}"; do
  file=$journals/journal-${scale}x.db
  [ -f "$file" ] || "$build/tolvik_journal_generator" --scale "$scale" "$file"
  files+=("$file")
done
export QT_QPA_PLATFORM=offscreen
"$build/tolvik_bench" --benchmark_counters_tabular=true "${files[@]}"
"$build/tolvik_care_bench" --benchmark_counters_tabular=true "${files[@]}"
(cd "$top" && "$build/tolvik_chart_bench" --benchmark_counters_tabular=true)
for file in "${files[@]}"; do
  work=$(mktemp -d)
  cp "$file" "$work/Journal.db"
  cp -r "$top/Lang" "$work/Lang"
  echo "pages of $(basename "$file"):"
  (cd "$work" && XDG_CONFIG_HOME="$work/config" "$build/tolvik_page_probe" 5 1500 2>/dev/null) || echo "the page probe failed"
  rm -rf "$work"
done
