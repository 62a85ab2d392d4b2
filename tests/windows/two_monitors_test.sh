#!/usr/bin/env bash
# The full-screen clock under Wine on an X server with two monitors side by side: the face is
# centred on the primary one and the other is black; five moves over the other one leave the
# clock running and the sixth ends it, as over the face; a key while the pointer and the X
# focus are on the other monitor ends it; and "1" typed there brings the options dialog up
# above the cover.
# Usage: two_monitors_test.sh BIN_FOLDER   (runs Xorg with the dummy driver as root; needs
# Wine, xrandr, xsetroot, xdotool, xwininfo, ImageMagick). It makes a display and a Wine
# prefix of its own: Wine's desktop belongs to the display it first starts on.
set -euo pipefail
bin=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=../hosted/checks.sh
source "$here/../hosted/checks.sh"
# shellcheck source=wine_programs.sh
source "$here/wine_programs.sh"
# shellcheck source=../../scripts/wine-prefix.sh
source "$here/../../scripts/wine-prefix.sh"
before_cleanup() { stop_wine; }
explain_failure() {
  if [ -f "$work/shot.png" ] && [ -n "${HC_SCREENSHOTS:-}" ]; then
    cp "$work/shot.png" "$HC_SCREENSHOTS/windows_two_monitors_failure.png"
  fi
  xwininfo -root -tree | grep -E '^ +0x' | grep -v ' 1x1+' || true
}

start_display Xorg -noreset -nolisten tcp -config "$here/../hosted/two_monitors.xorg.conf" \
  -logfile "$work/xorg.log"
# Wine takes its monitors from RandR outputs, not from RandR's monitors: the dummy driver's
# second output is switched on beside the first.
xrandr --output DUMMY0 --mode 1024x768 --pos 0x0 --primary
xrandr --addmode DUMMY1 1024x768
xrandr --output DUMMY1 --mode 1024x768 --pos 1024x0
# The driver reports the second output connected only when asked again.
xrandr >/dev/null
[ "$(xrandr --listmonitors | head -1)" = "Monitors: 2" ] || fail "no two monitors: $(xrandr --listmonitors)"
# What no window covers shows grey.
xsetroot -solid grey50
make_wine_prefix "$work/prefix"
keep_wine_desktop_up
cp "$bin/HalvekClock.scr" "$work/"
face_x=512 face_y=384

# The screenshot's right half (the second monitor) holds nothing but black.
second_black() {
  import -silent -window root -depth 8 "$work/shot.png"
  [ "$(convert "$work/shot.png" -crop 1024x768+1024+0 -format '%[fx:maxima]' info:)" = 0 ]
}
# The X window over the second monitor.
cover() { xwininfo -root -tree | awk '/ 1024x768\+1024\+0 /{ print $1; exit }' | grep .; }
# Moves the pointer over the second monitor, to the spots $1 to $2 of a diagonal.
move_over_second() {
  local i
  for ((i = $1; i <= $2; i++)); do
    xdotool mousemove $((1300 + 15 * i)) $((300 + 10 * i))
    sleep 0.1
  done
}

# 1. The face on the primary monitor, the second one black; a key sent with the pointer and
# the focus on the second monitor ends the clock.
xdotool mousemove 1200 300
start_clock "the first time"
wait_for second_black || fail "the second monitor is not black"
cp "$work/shot.png" "${HC_SCREENSHOTS:-$work}/windows_two_monitors.png" 2>/dev/null || true
centre_at "$face_x" "$face_y" || fail "the face left the primary monitor's centre"
move_over_second 0 0
xdotool click 1
xdotool windowfocus --sync "$(cover)" || fail "no window over the second monitor to focus"
xdotool key x
ends_well "$proc" "the clock after a key on the second monitor"

# 2. Moves over the second monitor count one by one, as over the face.
start_clock "the second time"
move_over_second 1 5
sleep 1
alive "$proc" || fail "five moves over the second monitor ended the clock"
move_over_second 6 6
ends_well "$proc" "the clock after six moves over the second monitor"

# 3. "1" typed on the second monitor brings the options dialog up, above the cover.
start_clock "the third time"
wait_for cover >/dev/null || fail "no window over the second monitor"
xdotool windowfocus --sync "$(cover)"
xdotool key 1
wait_for xdotool search --onlyvisible --name '^Options$' >/dev/null || fail "no options dialog"
# xwininfo lists the top-level windows from the top of the stack down.
stack=$(xwininfo -root -tree | grep -E '^ +0x')
[ "$(grep -n '"Options"' <<<"$stack" | cut -d: -f1)" -lt "$(grep -n " 1024x768+1024+0 " <<<"$stack" | cut -d: -f1)" ] ||
  fail "the options dialog is below the cover: $stack"
echo "1 passed, 0 failed"
