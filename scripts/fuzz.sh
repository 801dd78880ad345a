#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into ./build-fuzz and runs each one on its own copy of
# its seed corpus, for the given seconds each (default 60) or, given -runs=N, for N runs each.
# Further arguments name the targets to run (default: all). Prints the runs of every target and
# any crash; the inputs that crashed are kept in build-fuzz/crashes/<target>/.
# With TOLVIK_BUILD_LOCK set, the build waits for that lock file (runs do not).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-fuzz
limit=(-max_total_time="${1:-60}")
[[ ${1:-} == -runs=* ]] && limit=("$1")
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$top"/fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

"$top/scripts/install-deps.sh" clang libfuzzer-14-dev libclang-rt-14-dev
locked=()
[ -n "${TOLVIK_BUILD_LOCK:-}" ] && locked=(flock "$TOLVIK_BUILD_LOCK")
"${locked[@]}" cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTOLVIK_FUZZ=ON >/dev/null
"${locked[@]}" cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# The profile reader's target writes a file for every input; in memory that is ten times faster.
[ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
failed=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target crashes=$build/crashes/$target log=$build/logs/$target.log
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  cp -rn "$top/fuzz/corpus/$target/." "$corpus/"
  start=$(date +%s)
  status=0
  nice -n 10 "$build/fuzz/$target" "${limit[@]}" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  result="no crash"
  if [ $status -ne 0 ]; then
    failed=1
    result="CRASH: $(grep -o "Test unit written to .*" "$log" | cut -d' ' -f5- | tail -1) (log: $log)"
  fi
  echo "$target: $runs runs in $(( $(date +%s) - start )) s, $result"
done
exit $failed
