#!/usr/bin/env bash
# The full-screen clock under a Wayland compositor (sway, headless, of the test's own): the
# face is centred on the output, a key ends the clock with status 0, and it says nothing about
# moving the pointer, which no Wayland program may do.
# Usage: wayland_test.sh PROGRAM   (needs sway, grim, wtype, Qt's Wayland platform and
# ImageMagick). sway refuses to run as root: run as root, the test runs sway, its tools and
# the clock as the user nobody, with a home in the test's folder. Ends with 77 (skipped) when
# sway, grim or wtype is missing or cannot run here.
set -euo pipefail
program=$(realpath "$1")
# shellcheck source=checks.sh
source "$(dirname "$(realpath "$0")")/checks.sh"

skip() {
  echo "SKIPPED: $*"
  exit 77
}
for tool in sway swaymsg grim wtype; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (apt-get install sway grim wtype)"
done

# Who runs everything: this user, or nobody when this is root.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  id nobody >/dev/null 2>&1 || skip "no user 'nobody' to run sway as"
  as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
  chown -R "$(id -u nobody):$(id -g nobody)" "$work"
  "${as_user[@]}" test -w "$work" || skip "the user nobody cannot reach the test's folder $work"
fi
mkdir "$work/home"
[ -z "${as_user[*]}" ] || chown "$(id -u nobody):$(id -g nobody)" "$work/home"
export HOME=$work/home
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME \
  DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman

# The program's own folder, so its settings file is written there and nowhere else.
cp "$program" "$work/HalvekClock"

# sway with one output of a size no default gives, in the test's runtime folder.
cat >"$work/sway.config" <<'EOF'
xwayland disable
output * resolution 1152x720
EOF
[ -z "${as_user[*]}" ] || chown "$(id -u nobody):$(id -g nobody)" "$work/sway.config" "$work/HalvekClock"
# Under the sanitizers, their suppressions file must be one the clock's user can read: the
# clone it lies in may be closed to other users.
if [ -n "${as_user[*]}" ] && [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]*) ]]; then
  cp "${BASH_REMATCH[1]}" "$work/lsan-suppressions.txt"
  chown "$(id -u nobody):$(id -g nobody)" "$work/lsan-suppressions.txt"
  export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$work/lsan-suppressions.txt}
fi
"${as_user[@]}" sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!
pids+=("$sway_pid")
explain_failure() {
  echo "sway said:"
  tail -20 "$work/sway.log" | sed 's/^/  /'
  if [ -s "$work/clock.err" ]; then
    echo "the clock said:"
    sed 's/^/  /' "$work/clock.err"
  fi
}
# Stops the clock and sway, and waits for them, before their folder goes.
before_cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
# sway is up when it answers on its socket; one that has ended (gone, or a zombie) never
# will: then this machine cannot run it.
sway_ready() {
  if ! grep -qs '^State:[[:space:]]*[^Z]' "/proc/$sway_pid/status"; then
    echo "sway said:"
    sed 's/^/  /' "$work/sway.log"
    skip "sway does not run here"
  fi
  SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" | head -1)
  [ -n "$SWAYSOCK" ] || return 1
  export SWAYSOCK
  "${as_user[@]}" swaymsg -t get_outputs >/dev/null 2>&1
}
wait_for sway_ready || fail "sway did not answer on its socket"
WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-[0-9]*" | grep -v '\.lock$' | head -1)")
export WAYLAND_DISPLAY
"${as_user[@]}" grim "$work/empty.png" >"$work/tool.log" 2>&1 || skip "grim does not run here: $(cat "$work/tool.log")"
"${as_user[@]}" wtype -k F24 >"$work/tool.log" 2>&1 || skip "wtype does not run here: $(cat "$work/tool.log")"
read -r width height <<<"$(identify -format '%w %h' "$work/empty.png")"
[ "$width $height" = "1152 720" ] || fail "the output is ${width}x$height, not the 1152x720 asked for"

# 1. The face is centred on the output (a window not full screen would be tiled below sway's
# title bar, and its face lower).
QT_QPA_PLATFORM=wayland "${as_user[@]}" "$work/HalvekClock" /s 2>"$work/clock.err" &
clock=$!
pids+=("$clock")
face_centred() {
  kill -0 "$clock" 2>/dev/null || fail "the clock ended by itself"
  "${as_user[@]}" grim "$work/shot.png" && outline_around "$work/shot.png" $((width / 2)) $((height / 2))
}
wait_for face_centred || fail "no centre circle at the output's centre ($((width / 2)), $((height / 2)))"

# 2. A key ends it with status 0. Each wtype brings a keyboard of its own to the seat, and a
# key sent before the clock has taken that keyboard up is lost: so the key follows a pause,
# and on a slow machine comes again, a few times at most.
ended() { ! kill -0 "$clock" 2>/dev/null; }
for _ in 1 2 3; do
  "${as_user[@]}" wtype -s 1000 a
  for _ in $(seq 30); do
    ended && break 2
    sleep 0.1
  done
done
ended || fail "keys left the clock running"
status=0
wait "$clock" || status=$?
[ "$status" -eq 0 ] || fail "the clock ended with status $status after a key"

# 3. Nothing about the pointer it may not move.
if grep -Ei "cursor|pointer" "$work/clock.err"; then
  fail "the clock complained about the pointer"
fi
echo "wayland: passed"
