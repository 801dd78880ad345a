#!/usr/bin/env bash
# Cuts the power under the journal: starts the handler driver on one journal file, kills it with
# SIGKILL at random moments and after each kill checks that every acknowledged change is in the
# file, none is half there and the file is whole. Every other run writes to a disk whose free space
# the journal's growth uses up, so that changes also fail anywhere inside; none may be half there
# either. Then the schema steps are taken and undone on the same file under the same kills; each
# cut leaves the file whole, at a step with all that it makes. Last, colony events and their undos
# run on a journal of their own under the same kills; each cut leaves the file as it was before the
# event or after it. Usage: scripts/powercut.sh [kills] (default 100).
# Needs a build with -DTOLVIK_TESTS=ON (./scripts/test.sh makes one).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
driver=${TOLVIK_BUILD_DIR:-$top/build}/tolvik_powercut
kills=${1:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen

killed=0
run=0
while [ "$killed" -lt "$kills" ]; do
  run=$((run + 1))
  phase=$([ $((run % 2)) -eq 0 ] && echo full || echo "")
  "$driver" run "$run" 1000000 $phase >/dev/null 2>&1 &
  pid=$!
  # Between 0.2 and 1.2 seconds: past the start, somewhere among the changes.
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.2 + r / 32767 }')"
  if kill -KILL "$pid" 2>/dev/null; then
    killed=$((killed + 1))
  fi
  status=0
  wait "$pid" 2>/dev/null || status=$?
  # 3: a failure that was not told once, or an error box where nothing should fail.
  if [ "$status" -eq 3 ]; then
    echo "run $run ${phase:-normal}: the driver saw more error boxes than failed changes"
    exit 1
  fi
  if ! "$driver" check >check.txt; then
    echo "after kill $killed (${phase:-normal} run):"
    cat check.txt
    exit 1
  fi
done
echo "kills: $killed; $(tail -n 1 check.txt)"

cuts=0
while [ "$cuts" -lt "$((kills / 4 + 1))" ]; do
  "$driver" migrate >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.1 + r / 65534 }')"
  kill -KILL "$pid" 2>/dev/null && cuts=$((cuts + 1))
  wait "$pid" 2>/dev/null || true
  if ! "$driver" check-schema >schema.txt; then
    echo "after schema cut $cuts:"
    cat schema.txt
    exit 1
  fi
done
echo "schema cuts: $cuts; $(cat schema.txt)"

mkdir events
cd events
cuts=0
while [ "$cuts" -lt "$((kills / 4 + 1))" ]; do
  "$driver" events "$cuts" 1000000 >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.2 + r / 32767 }')"
  kill -KILL "$pid" 2>/dev/null && cuts=$((cuts + 1))
  status=0
  wait "$pid" 2>/dev/null || status=$?
  if [ "$status" -eq 3 ]; then
    echo "events run $cuts: the driver saw an error box"
    exit 1
  fi
  if ! "$driver" check-events >events.txt; then
    echo "after event cut $cuts:"
    cat events.txt
    exit 1
  fi
done
echo "event cuts: $cuts; $(grep -c '^!' events.log) events and undos acknowledged; $(tail -n 1 events.txt)"
