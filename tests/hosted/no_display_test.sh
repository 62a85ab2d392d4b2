#!/usr/bin/env bash
# The clock with no display to show on: asked for help or its version it answers and ends
# with status 0, writing nothing; the preview mode still writes a missing settings file and
# ends with status 0; every mode that shows something ends with a one-line reason
# and status 1, never an abort. A second clock on one display says why it ends.
# Usage: no_display_test.sh PROGRAM   (needs Xvfb)
set -euo pipefail
program=$(realpath "$1")
# shellcheck source=checks.sh
source "$(dirname "$(realpath "$0")")/checks.sh"

cp "$program" "$work/HalvekClock"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Runs the clock with the display named in $1 ("" for none) and the arguments after it;
# sets `status` and `said` (standard error).
run() {
  local display=$1
  shift
  status=0
  if [ -n "$display" ]; then
    said=$(DISPLAY=$display timeout 20 "$work/HalvekClock" "$@" 2>&1 >/dev/null) || status=$?
  else
    said=$(env -u DISPLAY timeout 20 "$work/HalvekClock" "$@" 2>&1 >/dev/null) || status=$?
  fi
}

# 0. Help and the version need no display, and the answer is all that happens.
for ask in --help -h --version; do
  rm -f "$work/Halvek_Clock.ini"
  status=0
  answer=$(env -u DISPLAY timeout 20 "$work/HalvekClock" "$ask" 2>"$work/err") || status=$?
  [ "$status" -eq 0 ] || fail "'$ask' ended with $status: $(cat "$work/err")"
  [ ! -s "$work/err" ] || fail "'$ask' complained: $(cat "$work/err")"
  [ ! -e "$work/Halvek_Clock.ini" ] || fail "'$ask' wrote the settings file"
  if [ "$ask" = --version ]; then
    grep -Eqx "HalvekClock [0-9]+\.[0-9]+\.[0-9]+" <<<"$answer" || fail "the version: '$answer'"
  else
    for needed in "  /s " "  /c " "  /p " "--root, -root" "--window-id ID, -window-id ID" \
      ".config/HalvekClock/"; do
      grep -qF -- "$needed" <<<"$answer" || fail "'$ask' does not mention '$needed': $answer"
    done
  fi
done

# 1. The preview mode shows nothing: it writes the missing settings file and ends.
for display in "" ":999"; do
  rm -f "$work/Halvek_Clock.ini"
  run "$display" /p
  [ "$status" -eq 0 ] || fail "/p with display '$display' ended with $status: $said"
  [ "$(wc -l <"$work/Halvek_Clock.ini")" -eq 13 ] || fail "/p with display '$display' wrote no settings"
done

# 2. The modes that show something say why they cannot, in one line, and end with 1.
for display in "" ":999"; do
  for mode in /s /c "" /S; do
    run "$display" $mode
    [ "$status" -eq 1 ] || fail "'$mode' with display '$display' ended with $status: $said"
    [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] || fail "'$mode' said more than one line: $said"
    grep -q "display" <<<"$said" || fail "'$mode' gave no reason: $said"
  done
done

# 3. A second clock on the same display ends at once with status 0, and says why.
start_x_server "$work" Xvfb -screen 0 640x480x24 -nolisten tcp || fail "Xvfb did not start"
pids+=("$x_server")
DISPLAY=$x_display "$work/HalvekClock" /s >/dev/null 2>&1 &
pids+=($!)
sleep 2
run "$x_display" /s
[ "$status" -eq 0 ] || fail "the second clock ended with $status: $said"
grep -qF "another clock runs on this display ($x_display)" <<<"$said" || fail "the second clock said: '$said'"
echo "no display: passed"
