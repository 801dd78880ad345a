#!/usr/bin/env bash
# Starts the real program on an X server with a window manager (Xvfb and openbox), as a desktop
# does: the window tests run offscreen, where a box that a window manager takes down cannot show.
#   StartUnderWindowManager.sh PROGRAM LANG_DIR
# A journal of random bytes must keep its refusal box up until it is answered, and that start must
# end with a failure code; a start whose backup cannot be made must keep its warning up until it
# is answered, beside the launcher, which stays. A missing tool fails the test: it must never pass unseen.
set -u
program=$(realpath "$1") lang=$(realpath "$2")
. "$(dirname "$0")/Desktop.sh"
prepare_desktop_test Xvfb openbox xdotool xprop
start_desktop

# The first visible window of a process, waited for up to 20 seconds.
window_of() {
  local win=""
  for _ in $(seq 80); do
    win=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.25
  done
  echo "$win"
}
is_dialog() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; }
# The first visible box of a process, waited for up to 20 seconds.
box_of() {
  local box=""
  for _ in $(seq 80); do
    for win in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do is_dialog "$win" && box=$win && break; done
    [ -n "$box" ] && break
    sleep 0.25
  done
  echo "$box"
}
is_shown() { xdotool search --onlyvisible --pid "$2" 2>/dev/null | grep -qx "$1"; }

# Runs the program in a fresh folder prepared by the named function; sets pid.
start() {
  local dir=$work/$1
  mkdir -p "$dir/config" "$dir/data"
  cp -r "$lang" "$dir/Lang"
  (cd "$dir" && "$2")
  (cd "$dir" && exec env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" "$program") \
    >"$dir/out.log" 2>&1 &
  pid=$!
  pids+=("$pid")
}

# A box that is still up after a few seconds, then answered with Return.
box_stays_and_is_answered() {
  local win
  [ -n "$(window_of "$pid")" ] || fail "$1: no window appeared"
  win=$(box_of "$pid")
  [ -n "$win" ] || fail "$1: no box appeared"
  sleep 3
  kill -0 "$pid" 2>/dev/null || fail "$1: the program ended with its box unanswered"
  is_shown "$win" "$pid" || fail "$1: the box vanished unanswered"
  xdotool windowactivate --sync "$win" key Return || fail "$1: the box could not be answered"
}

random_journal() { head -c 8192 /dev/urandom >Journal.db; }
start refused random_journal
box_stays_and_is_answered "a journal of random bytes"
for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$pid" 2>/dev/null && fail "the refused start did not end after its box was answered"
wait "$pid"
code=$?
[ "$code" -ne 0 ] || fail "the refused start ended with exit code 0"

backups_blocked() { echo x >backups; }
start warned backups_blocked
box_stays_and_is_answered "a backup that cannot be made"
launcher=""
for _ in $(seq 40); do
  for win in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do is_dialog "$win" || launcher=$win; done
  [ -n "$launcher" ] && break
  sleep 0.25
done
[ -n "$launcher" ] || fail "the launcher did not stay beside the answered warning"
echo "PASS: start-up boxes stay under openbox until answered; the refused start exited with $code"
