# shellcheck shell=bash
# What the tests of the programs on a real display share. Sourced first, it gives each test a
# folder of its own ($work, gone at the end), the processes to stop at the end ($pids) and
# `fail`, a runtime folder of its own for the clocks it runs (the one-clock lock lives there,
# so a clock running elsewhere on the machine does not end the test's), and `start_display`.
# A test may define `before_cleanup` (more to stop) and `explain_failure` (what to show with
# a failure).
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  if declare -F before_cleanup >/dev/null; then before_cleanup; fi
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  if declare -F explain_failure >/dev/null; then explain_failure >&2; fi
  exit 1
}

# shellcheck source=../../scripts/x-server.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x-server.sh"
# start_display SERVER [ARGUMENTS...]: an X server of the test's own on a free display;
# exports DISPLAY. One that does not start fails the test with its own words.
start_display() {
  start_x_server "$work" "$@" || fail "$1 did not start"
  pids+=("$x_server")
  export DISPLAY=$x_display
}

# Checks on the display; they write their screenshot into $work.

# Whether the centre circle's outline, in the seconds colour RGB(255, 192, 192), stands
# around (x, y) of the display: a pale pixel near each of its four sides, R pixels out (36
# unless given, for a face at its own size). One hand's line or circle can cross one side,
# never all four.
centre_at() {
  import -silent -window root -depth 8 "$work/shot.png"
  outline_around "$work/shot.png" "$1" "$2" "${3:-36}"
}
# The same on a screenshot already taken: outline_around PICTURE X Y [R].
# ImageMagick's text lines read "x,y: (r,g,b) ...": the colour is fields 3 to 5. A face
# drawn smaller blends its thin outline with the black: "pale" then reads half as bright.
outline_around() {
  local dx dy r=${4:-36}
  for d in "0 -$r" "0 $((r - 1))" "-$r 0" "$((r - 1)) 0"; do
    read -r dx dy <<<"$d"
    convert "$1" -crop "5x5+$(($2 + dx - 2))+$(($3 + dy - 2))" txt:- |
      awk -F'[(),]' 'NR > 1 && $3 + 0 > 100 && $4 + 0 > 70 && $5 + 0 > 70 { found = 1 } END { exit !found }' ||
      return 1
  done
}
wait_for() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  return 1
}
