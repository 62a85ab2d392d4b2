#!/usr/bin/env bash
# The Windows programs under Wine, on the display and in the prefix that scripts/test-windows
# set up: the preview mode writes the default settings, the clock shows its face and ends on
# a key or on mouse moves, the options dialog saves the language chosen and has the keyboard
# back after the file manager, and the installer copies the files into the system folder and
# reports.
# Usage: programs_test.sh BIN_FOLDER   (needs DISPLAY, WINEPREFIX, xdotool, ImageMagick)
set -euo pipefail
bin=$(realpath "$1")
# shellcheck source=../hosted/checks.sh
source "$(dirname "$(realpath "$0")")/../hosted/checks.sh"
# shellcheck source=wine_programs.sh
source "$(dirname "$(realpath "$0")")/wine_programs.sh"

cp "$bin/HalvekClock.scr" "$bin/setup_hclock.exe" "$bin/Halvek_Clock_bg.jpg" "$work/"
settings=$work/Halvek_Clock.ini
screen_w=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
screen_h=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
face_x=$((screen_w / 2)) face_y=$((screen_h / 2))

# The id of the shown X window whose title is $1 (the dialogs exist hidden from the start).
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }
no_window_named() { ! window_named "$1" >/dev/null; }

# 1. Preview: ends at once, after writing the default settings.
start HalvekClock.scr /p
ends_well "$proc" "the preview"
expected=$'ViewTime=0\r\nShapeWidth=0\r\nPicCenter=Default\r\nSlideShowTime=0\r\nLocalisation=1\r\nBack=0\r\nHColor=255\r\nMColor=8421631\r\nSColor=12632319\r\nCColor=0\r\nHSize=30\r\nFName=Tahoma\r\nClock2=0\r'
[ "$(cat "$settings")" = "$expected" ] || fail "the preview wrote: $(cat -A "$settings")"

# What a failure shows: whether the last program started still runs, and the last screenshot.
explain_failure() {
  if [ -n "${proc:-}" ]; then
    if alive "$proc"; then echo "  the last program started still runs"; else echo "  the last program started has ended"; fi
  fi
  if [ -f "$work/shot.png" ]; then
    echo "  the last screenshot: $(convert "$work/shot.png" -fill white +opaque black -format \
      '%[fx:round(100 * mean)]%% of its pixels not black' info:)"
    if [ -n "${HC_SCREENSHOTS:-}" ]; then cp "$work/shot.png" "$HC_SCREENSHOTS/windows_failure.png"; fi
  fi
}

# 2. The clock shows its face at the centre of the screen, its hint in the bottom-right
# corner fades step by step, as the screen shows it, its hands move on the screen, and Escape
# ends it.
start_clock "the first time"
cp "$work/shot.png" "${HC_SCREENSHOTS:-$work}/windows_clock.png" 2>/dev/null || true
# The brightest grey of the hint's box, 201 x 41 pixels in the corner, from 0 to 255.
hint_grey() {
  import -silent -window root -depth 8 "$work/hint.png"
  convert "$work/hint.png" -crop "201x41+$((screen_w - 201))+$((screen_h - 41))" \
    -format "%[fx:round(maxima * 255)]" info:
}
first_grey=$(hint_grey)
if [ "$first_grey" -gt 20 ]; then
  sleep 3
  later_grey=$(hint_grey)
  [ "$later_grey" -gt 0 ] && [ "$later_grey" -lt "$first_grey" ] ||
    fail "the hint did not fade on the screen: grey $first_grey, then $later_grey 3 s later"
else
  echo "the hint was gone before it could be seen (grey $first_grey); its fading is not checked"
fi
# Each tick reaches the screen: the face above the hint's rows differs a second later.
face_rows() {
  import -silent -window root -depth 8 "$work/face.png"
  convert "$work/face.png" -crop "${screen_w}x$((screen_h - 41))+0+0" +repage "$work/$1.png"
}
face_rows before
sleep 1.2
face_rows after
[ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)" != 0 ] ||
  fail "the face on the screen did not change in a second"
xdotool key Escape
ends_well "$proc" "the clock after Escape"

# 3. Mouse moves end it too.
start_clock "the second time"
for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((100 + 40 * i)) $((100 + 30 * i))
  sleep 0.1
done
ends_well "$proc" "the clock after mouse moves"

# 4. The options dialog: a click on "Russian", then Enter saves the language.
start HalvekClock.scr /c
wait_for window_named Options >/dev/null || fail "no options dialog"
dialog=$(window_named Options)
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# The client area starts below the title bar: the first row, down the left side, of the
# dialog's grey after the bar's colour. Sets client_top once the dialog is drawn.
find_client_top() {
  import -silent -window root -depth 8 "$work/shot.png"
  client_top=$(convert "$work/shot.png" -crop "1x60+$((X + 8))+$Y" txt:- |
    awk -F'[(),:]' 'NR > 1 { split($1, p, ","); r = $4; g = $5; b = $6
      if (b > r + 40) bar = 1; else if (bar && r > 150 && r == g && g == b) { print $2 + 0; exit } }')
  [ -n "$client_top" ]
}
wait_for find_client_top || fail "the dialog's title bar was not found"
# "Russian" is 1150 twips from the left and 120 down: 77 and 8 pixels; the middle of its text.
xdotool mousemove $((X + 4 + 90)) $((Y + client_top + 14)) click 1
sleep 0.5
xdotool key Return
ends_well "$proc" "the options dialog after Enter"
grep -q $'^Localisation=0\r$' "$settings" || fail "Russian was not saved: $(grep Localisation "$settings")"

# 5. The file manager opened from the options gives the keyboard back when it closes:
# Escape closes it, and a second Escape cancels the options, which end writing nothing.
# In English again, for the captions looked for.
sed -i 's/^Localisation=0/Localisation=1/' "$settings"
saved=$(cat "$settings")
start HalvekClock.scr /c
wait_for window_named Options >/dev/null || fail "no options dialog"
eval "$(xdotool getwindowgeometry --shell "$(window_named Options)")"
wait_for find_client_top || fail "the dialog's title bar was not found"
# "Choose" is 240 twips from the left and 3030 down in its frame's place: 16 and 202 pixels.
xdotool mousemove $((X + 4 + 22)) $((Y + client_top + 212)) click 1
wait_for window_named "File manager" >/dev/null || fail "Choose opened no file manager"
xdotool key Escape
wait_for no_window_named "File manager" || fail "Escape did not close the file manager"
xdotool key Escape
ends_well "$proc" "the options dialog after Escape in the file manager, then in the options"
[ "$(cat "$settings")" = "$saved" ] || fail "Cancel changed the settings: $(cat -A "$settings")"

# 6. The installer: Enter installs into the system folder and reports.
system32=$WINEPREFIX/drive_c/windows/system32
start setup_hclock.exe
wait_for window_named "Setup.*|.*[Ss]etup.*" >/dev/null || true
sleep 1
xdotool key Return
wait_for window_named Result >/dev/null || fail "no report of the installation"
for f in HalvekClock.scr Halvek_Clock_bg.jpg; do
  cmp -s "$work/$f" "$system32/$f" || fail "$f was not copied into the system folder"
done
xdotool key Return
ends_well "$proc" "the installer"
echo "all checks passed"
