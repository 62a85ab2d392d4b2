#!/usr/bin/env bash
# The full-screen clock on an X server with two monitors side by side: the face fills the
# primary one, a black window covers the other, and moves over the other end the clock as
# moves over the face do.
# Usage: two_monitors_test.sh PROGRAM   (needs Xorg with the dummy driver, xrandr, xdotool,
# xwininfo, ImageMagick; runs the X server as root)
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=checks.sh
source "$here/checks.sh"

start_display Xorg -noreset -nolisten tcp -config "$here/two_monitors.xorg.conf" -logfile "$work/xorg.log"
xrandr --delmonitor DUMMY0 >/dev/null 2>&1 || true
xrandr --setmonitor left 1024/270x768/200+0+0 DUMMY0 >/dev/null
xrandr --setmonitor right 1024/270x768/200+1024+0 none >/dev/null
[ "$(xrandr --listmonitors | head -1)" = "Monitors: 2" ] || fail "no two monitors: $(xrandr --listmonitors)"

cp "$program" "$work/HalvekClock"
"$work/HalvekClock" /s &
clock=$!
pids+=("$clock")
wait_for centre_at 512 384 || fail "no face centred on the primary monitor"
windows=$(xwininfo -root -tree)
grep -q "1024x768+0+0 " <<<"$windows" || fail "no window over the primary monitor"
grep -q "1024x768+1024+0 " <<<"$windows" || fail "nothing covers the second monitor"
convert "$work/shot.png" -crop 1024x768+1024+0 -format '%[fx:maxima.r] %[fx:maxima.g] %[fx:maxima.b]' info: \
  >"$work/second"
[ "$(cat "$work/second")" = "0 0 0" ] || fail "the second monitor is not black: $(cat "$work/second")"

for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((1300 + 15 * i)) $((300 + 10 * i))
  sleep 0.1
done
wait_for bash -c "! kill -0 $clock 2>/dev/null" || fail "moves over the second monitor left the clock running"

echo "1 passed, 0 failed"
