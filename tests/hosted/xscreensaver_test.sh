#!/usr/bin/env bash
# The clock as a hack of the real X screensaver daemon on a virtual display: activated, the
# daemon's window shows the face; a key press unblanks and the hack ends.
# Usage: xscreensaver_test.sh PROGRAM   (needs Xvfb, xscreensaver, xdotool, ImageMagick)
# The daemon refuses to run as root, so it runs as the user nobody.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
# shellcheck source=checks.sh
source "$here/checks.sh"
as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work/home" "$@"; }
before_cleanup() {
  as_user xscreensaver-command -exit >/dev/null 2>&1 || true
  pkill -u nobody -f "$work/HalvekClock" 2>/dev/null || true
}
explain_failure() {
  if [ -f "$work/daemon.log" ]; then sed 's/^/  daemon: /' "$work/daemon.log"; fi
}

cp "$program" "$work/HalvekClock"
mkdir "$work/home"
# One hack, ours, shown at once and never locked.
printf '%s\n' 'mode: one' 'selected: 0' 'timeout: 0:30:00' 'lock: False' 'splash: False' \
  'fade: False' 'unfade: False' 'dpmsEnabled: False' \
  "programs: \"HalvekClock\" $work/HalvekClock --root \\n" >"$work/home/.xscreensaver"
# The runtime folder too: the daemon's clocks run as nobody.
chown -R nobody:nogroup "$work"
chmod 755 "$work"

start_display Xvfb -screen 0 1024x768x24 -nolisten tcp -br
(cd "$work" && as_user xscreensaver -no-splash >"$work/daemon.log" 2>&1) &
pids+=($!)
wait_for as_user xscreensaver-command -time || fail "the daemon did not start"

as_user xscreensaver-command -activate >/dev/null
hack_running() { pgrep -u nobody -f "$work/HalvekClock --root" >/dev/null; }
wait_for hack_running || fail "the daemon started no clock"
wait_for centre_at 512 384 || fail "no face in the daemon's window"
import -silent -window root -depth 8 "${HC_SCREENSHOT:-$work/screen.png}"

# The daemon takes no notice of input for a moment after it blanks: keep pressing.
unblanked() {
  xdotool key a
  ! hack_running
}
wait_for unblanked || fail "the clock went on after a key press"

echo "1 passed, 0 failed"
