#!/usr/bin/env bash
# The Windows programs on screens of 96, 144 and 192 dpi, each on a display of its own size
# and in a Wine prefix of its own (Wine takes the density from the user's LogPixels when its
# server starts): the clock's face is at the centre of the screen, the dial picture shows
# where the screen's width in twips has one and covers the screen, and the options dialog,
# the file manager and the installer are laid out at the screen's density, their captions
# whole on their lines, as the screen shows them.
# Usage: densities_test.sh BIN_FOLDER WINDOW_PROBE   (needs xdotool, ImageMagick, Xvfb)
# With HC_SCREENSHOTS set, the screenshots of each density are left there.
set -euo pipefail
bin=$(realpath "$1")
probe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=../hosted/checks.sh
source "$here/../hosted/checks.sh"
# shellcheck source=wine_programs.sh
source "$here/wine_programs.sh"
# shellcheck source=../../scripts/wine-prefix.sh
source "$here/../../scripts/wine-prefix.sh"

cp "$bin/HalvekClock.scr" "$bin/setup_hclock.exe" "$probe" "$work/"
settings=$work/Halvek_Clock.ini
shots=${HC_SCREENSHOTS:-$work}

before_cleanup() { stop_wine; }

# Ends the last program started and waits until it has.
stop_program() {
  kill "$proc" 2>/dev/null || true
  wait_for gone "$proc" || fail "the program did not end"
  wait "$proc" 2>/dev/null || true
}
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }
shown_or_gone() { gone "$proc" || window_named "$1" >/dev/null; }
# start_shown TITLE PROGRAM ARGUMENTS...: starts the program and waits for its window TITLE.
# Wine lets go of an ended program's claim to be the one running a moment after it has gone:
# a program that finds it and ends at once is started again.
start_shown() {
  local title=$1
  shift
  for _ in 1 2 3; do
    start "$@"
    wait_for shown_or_gone "$title" || fail "no window \"$title\" of $1 at $dpi dpi"
    if ! gone "$proc"; then return 0; fi
    sleep 1
  done
  fail "$1 ended before showing \"$title\" at $dpi dpi, three times"
}
probe() { (cd "$work" && wine window_probe.exe "$@"); }
shot() { import -silent -window root -depth 8 "$shots/$1.png"; }

# The settings the clock writes when there are none, with the dial look as $1 says.
write_settings() {
  printf 'ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=%s\r\n' \
    "$1" >"$settings"
}

# How many of 12 points around the centre ($1, $2), $3 pixels out, are not black. In the dial
# look the circles ride 108 and 180 of the program's pixels out and reach 33 either way: 144
# out lies on the dial picture's ring between them, and on black without it.
ring_points_lit() {
  local cx=$1 cy=$2 r=$3 lit=0 i x y
  shot "$name-dial"
  for i in $(seq 0 11); do
    x=$(awk -v c="$cx" -v r="$r" -v i="$i" 'BEGIN { printf "%d", c + r * cos(i * 3.14159265 / 6) }')
    y=$(awk -v c="$cy" -v r="$r" -v i="$i" 'BEGIN { printf "%d", c + r * sin(i * 3.14159265 / 6) }')
    if convert "$shots/$name-dial.png" -crop "1x1+$x+$y" txt:- |
      awk -F'[(),]' 'NR > 1 { exit !($3 + $4 + $5 > 120) }'; then lit=$((lit + 1)); fi
  done
  echo "$lit"
}

# check_density DPI SCREEN DIAL: the programs at DPI on a screen of SCREEN pixels, where the
# dial picture shows when DIAL is "dial" and does not when it is "none".
check_density() {
  local dpi=$1 screen=$2 dial=$3
  name=${dpi}dpi-$screen
  echo "-- $dpi dpi on $screen"
  start_display Xvfb -screen 0 "${screen}x24" -nolisten tcp -br
  local width=${screen%x*} height=${screen#*x}
  local cx=$((width / 2)) cy=$((height / 2))
  face_x=$cx face_y=$cy
  # Pixels of the program's 96-dpi pixels at this density.
  px() { echo $(($1 * dpi / 96)); }

  # The density is the user's; the Wine server reads it when it starts.
  wineserver -k 2>/dev/null || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  keep_wine_desktop_up

  # The face: the centre circle's outline, 36 pixels of the program out, at the centre.
  write_settings 0
  face_r=$(px 36)
  start_clock "at $dpi dpi"
  cp "$work/shot.png" "$shots/$name-clock.png"
  stop_program

  # The dial look.
  write_settings 1
  start_shown Form1 HalvekClock.scr /s
  sleep 2
  local lit
  lit=$(ring_points_lit "$cx" "$cy" "$(px 144)")
  if [ "$dial" = dial ]; then
    [ "$lit" -ge 10 ] || fail "the dial picture's ring shows at $lit of 12 points at $dpi dpi"
  else
    [ "$lit" = 0 ] || fail "a dial picture shows ($lit of 12 points lit) at $dpi dpi on $screen"
  fi
  stop_program

  # The options dialog, 2655 x 6870 twips.
  write_settings 0
  start_shown Options HalvekClock.scr /c
  sleep 1
  probe check Options "$dpi" 2655 6870 || fail "the options dialog at $dpi dpi"
  shot "$name-options"
  # The file manager, through "Back" and the way to the background picture beside it.
  local x y
  read -r x y < <(probe point Options "$dpi" 1660 3197)
  xdotool mousemove "$x" "$y" click 1
  sleep 0.5
  read -r x y < <(probe point Options "$dpi" 2100 3487)
  xdotool mousemove "$x" "$y" click 1
  wait_for window_named "File manager" >/dev/null || fail "no file manager at $dpi dpi"
  sleep 1
  probe check "File manager" "$dpi" 5325 2640 || fail "the file manager at $dpi dpi"
  shot "$name-files"
  stop_program

  # The installer, 6345 x 3360 twips.
  start_shown "HalvekClock setup" setup_hclock.exe
  sleep 1
  probe check "HalvekClock setup" "$dpi" 6345 3360 || fail "the installer at $dpi dpi"
  shot "$name-setup"
  stop_program

  stop_wine
  kill "$x_server" 2>/dev/null || true
}

# The prefix needs a display to start its desktop on; each density then has its own.
start_display Xvfb -screen 0 1024x768x24 -nolisten tcp -br
make_wine_prefix "$work/prefix"
stop_wine
kill "$x_server" 2>/dev/null || true

# Density, screen and whether the dial picture shows: 15360 twips wide at 96 and 192 dpi,
# 10240 at 144.
for c in ${HC_DENSITIES:-96:1024x768:dial 144:1024x768:none 192:2048x1536:dial}; do
  IFS=: read -r dpi screen dial <<<"$c"
  check_density "$dpi" "$screen" "$dial"
done
echo "all checks passed"
