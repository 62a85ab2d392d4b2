# shellcheck shell=bash
# What the tests of the Windows programs under Wine share, sourced after hosted/checks.sh:
# starting a program of the work folder, waiting for it to end well, and starting the clock
# until its face shows at ($face_x, $face_y), which the test sets, with its centre circle
# $face_r pixels out (36, the program's own, unless the test sets it).
# shellcheck disable=SC2154  # work comes from checks.sh, face_x and face_y from the test

# Starts a program of the work folder with arguments; sets `proc`.
start() {
  (cd "$work" && exec wine "$@") >/dev/null 2>&1 &
  proc=$!
  pids+=("$proc")
}
alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! alive "$1"; }
# Waits for the process $1 to end by itself, with exit status 0; $2 says what it is.
ends_well() {
  wait_for gone "$1" || fail "$2 did not end"
  local status=0
  wait "$1" || status=$?
  [ "$status" = 0 ] || fail "$2 ended with status $status"
}

# Starts the clock and waits for its face; $1 says which start.
# Wine lets go of a finished program's named objects a moment after its process is gone, so
# a clock started right after another may still find the first one's claim and end at once,
# as a second copy should. Such a start is tried again. A clock still without a face after a
# second wait is a failure; one that needed it is reported, as Wine's start can stall.
start_clock() {
  local attempt
  for attempt in 1 2 3; do
    start HalvekClock.scr /s
    if ! wait_for face_or_gone "$proc"; then
      echo "the clock ($1) showed no face in the first wait; waiting once more"
      wait_for face_or_gone "$proc" || break
    fi
    if alive "$proc"; then return 0; fi
    local status=0
    wait "$proc" || status=$?
    [ "$status" = 0 ] || fail "the clock ($1) ended with status $status before showing its face"
    echo "the clock ($1) found another one running and ended; starting it again (attempt $attempt)"
    sleep 1
  done
  fail "no clock face at ($face_x, $face_y) ($1)"
}
face_or_gone() { gone "$1" || centre_at "$face_x" "$face_y" "${face_r:-36}"; }
