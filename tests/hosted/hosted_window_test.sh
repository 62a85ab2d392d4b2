#!/usr/bin/env bash
# The clock inside a host's window, as a screensaver daemon runs it: it draws the face at the
# window's size and follows its resizes, leaves keys and the mouse to the host, and ends with
# exit status 0 on SIGTERM and when the window goes away.
# Usage: hosted_window_test.sh PROGRAM   (needs Xvfb, xclock, xdotool, ImageMagick)
set -euo pipefail
program=$(realpath "$1")
# shellcheck source=checks.sh
source "$(dirname "$(realpath "$0")")/checks.sh"

# The program's own folder, so its settings file is written there and nowhere else.
cp "$program" "$work/HalvekClock"
start_display Xvfb -screen 0 1024x768x24 -nolisten tcp -br

alive() { kill -0 "$1" 2>/dev/null; }
# Opens a 640x480 window to host the clock: sets `host` (its process) and `window`.
open_host_window() {
  xclock -geometry 640x480+0+0 -bg black -fg black -hd black -hl black >/dev/null 2>&1 &
  host=$!
  pids+=("$host")
  wait_for xdotool search --pid "$host" >/dev/null || fail "no host window"
  window=$(xdotool search --pid "$host" | head -1)
}

# 1. The face at the window's size: the centre circle's top edge 36 pixels above its centre.
open_host_window
"$work/HalvekClock" --window-id "$window" &
clock=$!
pids+=("$clock")
wait_for centre_at 320 240 || fail "no centre circle at the centre of a 640x480 window"

# 2. A resize lays it out again.
xdotool windowsize "$window" 900 700
wait_for centre_at 450 350 || fail "the face did not follow the window to 900x700"

# 3. Keys and moves belong to the host.
for i in 1 2 3 4 5 6 7 8; do xdotool mousemove $((100 + 40 * i)) $((100 + 30 * i)); done
xdotool key x
sleep 0.5
alive "$clock" || fail "a key or a mouse move ended the clock in a host's window"

# 4. SIGTERM ends it cleanly.
kill -TERM "$clock"
status=0
wait "$clock" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"

# 5. So does the end of the host's window; a second clock runs beside a first (one a screen).
open_host_window
XSCREENSAVER_WINDOW=$window "$work/HalvekClock" --root &
first=$!
pids+=("$first")
wait_for centre_at 320 240 || fail "--root with XSCREENSAVER_WINDOW drew elsewhere"
"$work/HalvekClock" --window-id "$window" &
second=$!
pids+=("$second")
sleep 1
alive "$second" || fail "a second clock in a host's window was refused"
kill "$host"
for p in "$first" "$second"; do
  status=0
  wait_for bash -c "! kill -0 $p 2>/dev/null" || fail "the clock outlived its window"
  wait "$p" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status when the window went away"
done

# 6. Bad ids are refused with a reason.
if "$work/HalvekClock" --window-id nonsense 2>"$work/err"; then fail "a bad id was taken"; fi
grep -q "not a window id: nonsense" "$work/err" || fail "no reason given: $(cat "$work/err")"

echo "1 passed, 0 failed"
