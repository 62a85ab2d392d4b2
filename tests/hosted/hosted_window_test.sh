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
# Opens a window (640x480 unless a size is given) at the screen's top-left corner to host the
# clock: sets `host` (its process) and `window`.
open_host_window() {
  xclock -geometry "${1:-640x480}+0+0" -bg black -fg black -hd black -hl black >/dev/null 2>&1 &
  host=$!
  pids+=("$host")
  wait_for xdotool search --pid "$host" >/dev/null || fail "no host window"
  window=$(xdotool search --pid "$host" | head -1)
}

# 1. The face at the window's size, scaled down to fit a window smaller than the face needs
# (700 pixels each way): the centre circle's top edge 36 x 480 / 700 = 25 pixels above its
# centre.
open_host_window
"$work/HalvekClock" --window-id "$window" &
clock=$!
pids+=("$clock")
wait_for centre_at 320 240 25 || fail "no centre circle at the centre of a 640x480 window"

# 2. A resize lays it out again, at its own size where the window has room.
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
wait_for centre_at 320 240 25 || fail "--root with XSCREENSAVER_WINDOW drew elsewhere"
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

# 7. A window smaller than the face (a settings preview) shows all of it, scaled down, and no
# hint of a key, which the host keeps: something at the centre, nothing at the window's edges
# (at its own size the face is twice the window's height), nothing grey in the corner where
# the hint would be.
open_host_window 320x240
"$work/HalvekClock" --window-id "$window" &
pids+=($!)
# The emblem lights the centre; the circle's outline is too thin at this size to find.
lit_at() {
  import -silent -window root -depth 8 "$work/shot.png"
  local brightest
  brightest=$(convert "$work/shot.png" -crop "7x7+$(($1 - 3))+$(($2 - 3))" -format "%[fx:maxima]" info:)
  awk -v b="$brightest" 'BEGIN { exit !(b > 0.2) }'
}
wait_for lit_at 160 120 || fail "no face at the centre of a 320x240 window"
sleep 0.5
import -silent -window root -depth 8 -crop 320x240+0+0 +repage "$work/small.png"
edges=$(convert "$work/small.png" -fill black -draw "rectangle 2,2 317,237" -format "%[fx:maxima]" info:)
[ "$edges" = 0 ] || fail "the face reaches the edges of a 320x240 window"
corner=$(convert "$work/small.png" -crop 120x40+200+200 +repage -format "%[fx:maxima]" info:)
[ "$corner" = 0 ] || fail "something shows where the hint would be"

echo "1 passed, 0 failed"
