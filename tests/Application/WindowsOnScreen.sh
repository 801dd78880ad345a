#!/usr/bin/env bash
# Opens the program's top-level windows on a 1024 x 768 desktop with a window manager (Xvfb and
# openbox) and checks that each lies whole on the screen, frame and title bar included: the
# offscreen window tests have no frames to check.
#   WindowsOnScreen.sh PROGRAM LANG_DIR
set -u
program=$(realpath "$1") lang=$(realpath "$2")
. "$(dirname "$0")/Desktop.sh"
prepare_desktop_test Xvfb openbox xdotool xprop xwininfo
start_desktop

mkdir -p "$work/config" "$work/data"
cp -r "$lang" "$work/Lang"
(cd "$work" && exec env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" "$program") \
  >"$work/out.log" 2>&1 &
pid=$!
pids+=("$pid")

# The visible windows of the program, one id a line.
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }
# Waits for a visible window that was not among the ones given, and prints it.
new_window() {
  local win
  for _ in $(seq 80); do
    win=$(comm -13 <(printf '%s\n' "$@" | sort) <(windows) | head -1)
    [ -n "$win" ] && { echo "$win"; return; }
    sleep 0.25
  done
}
# The window's frame as "left top right bottom" on the screen, once the window manager framed it.
frame_of() {
  local x y w h extents l r t b
  for _ in $(seq 40); do
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$')
    [ -n "$extents" ] && break
    sleep 0.25
  done
  [ -n "$extents" ] || extents="0, 0, 0, 0"
  IFS=', ' read -r l r t b <<<"$extents"
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $NF}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $NF}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $NF}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $NF}')
  echo "$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))"
}
on_screen() {
  local left top right bottom
  sleep 0.5
  read -r left top right bottom <<<"$(frame_of "$2")"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 1024 ] && [ "$bottom" -le 768 ] \
    || fail "$1: its frame ($left, $top)-($right, $bottom) leaves the 1024 x 768 screen"
  echo "$1: frame ($left, $top)-($right, $bottom)"
}
# A click at client coordinates of the window, brought to the front first.
click() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowraise "$1"
  sleep 0.3
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
# A key pressed and released in the window, brought to the front first. Both go through the X
# server's test extension: given a window, xdotool chooses per event between that and a sent
# event by where the focus is, so a window that closes on the press would get its release as a
# sent event, and the server would hold the key down and repeat it, cancelling every later click.
key() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  sleep 0.3
  xdotool key "$2"
}

launcher=$(new_window)
[ -n "$launcher" ] || fail "the launcher did not appear: $(cat "$work/out.log")"
on_screen "the launcher" "$launcher"

click "$launcher" 300 170
journal=$(new_window "$launcher")
[ -n "$journal" ] || fail "the journal window did not open"
on_screen "the journal window" "$journal"
read -r left top _ _ <<<"$(frame_of "$journal")"
[ "$left" -eq 0 ] && [ "$top" -eq 0 ] || fail "the journal window's frame is at ($left, $top), not at (0, 0)"

# The hive manager, from the first button of the journal's toolbar; Escape closes it, and the
# clicks that follow, into the launcher and the settings window, still press their buttons.
click "$journal" 18 18
hives=$(new_window "$launcher" "$journal")
[ -n "$hives" ] || fail "the hive manager did not open"
on_screen "the hive manager" "$hives"
key "$hives" Escape
for _ in $(seq 40); do windows | grep -qx "$hives" || break; sleep 0.25; done
windows | grep -qx "$hives" && fail "Escape did not close the hive manager"

click "$launcher" 450 80
settings=$(new_window "$launcher" "$journal")
[ -n "$settings" ] || fail "the settings window did not open"
on_screen "the settings window" "$settings"

# The About box, from the settings window's About button (150 x 30 at 145, height - 70): a framed
# dialog with its title bar.
height=$(xwininfo -id "$settings" | awk '/Height:/ {print $NF}')
click "$settings" 220 $((height - 55))
about=$(new_window "$launcher" "$journal" "$settings")
[ -n "$about" ] || fail "the About box did not open"
on_screen "the About box" "$about"
read -r _ _ title _ <<<"$(xprop -id "$about" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ,)"
[ "${title:-0}" -gt 0 ] || fail "the About box has no title bar (frame extents: ${title:-none})"
# Its Close button (50 x 14 dialog units at 243, 140 of 300 x 161) closes it.
read -r aw ah <<<"$(xwininfo -id "$about" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w, h}')"
click "$about" $((aw * 268 / 300)) $((ah * 147 / 161))
for _ in $(seq 40); do windows | grep -qx "$about" || break; sleep 0.25; done
windows | grep -qx "$about" && fail "its Close button did not close the About box"

# Docks tie the windows to the desktop entry by their class.
desktop=$(dirname "$lang")/packaging/org.tolvik.tolvik.desktop
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wmclass" ] || fail "the desktop entry has no StartupWMClass"
xprop -id "$launcher" WM_CLASS | grep -q "\"$wmclass\"" \
  || fail "the windows' class ($(xprop -id "$launcher" WM_CLASS)) is not the desktop entry's $wmclass"
echo "PASS: the launcher, journal, hive manager, settings window and About box open whole on a 1024 x 768 screen"
