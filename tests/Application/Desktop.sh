# Sourced by the tests that run the real program on an X server with a window manager.

# Fails the test when one of the named tools is missing (it must never pass unseen), then makes
# $work (kept when KEEP is set), the pids array killed at exit, and fail().
prepare_desktop_test() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/install-deps.sh installs it"; exit 1; }
  done
  work=$(mktemp -d)
  pids=()
  trap cleanup EXIT
}
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
fail() { echo "FAIL: $*"; exit 1; }

# Starts Xvfb on a 1024 x 768 screen and openbox on it, exports DISPLAY, and adds both to pids.
start_desktop() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=:$(head -1 "$work/display")
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || fail "openbox did not start: $(cat "$work/openbox.log")"
}
