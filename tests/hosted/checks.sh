# Checks on a virtual display shared by the tests of the clock in a host's window. They write
# their screenshot into $work.

# Whether the centre circle's outline, in the seconds colour RGB(255, 192, 192), stands
# around (x, y): a pale pixel near each of its four sides, 36 pixels out. One hand's line or
# circle can cross one side, never all four.
centre_at() {
  import -silent -window root -depth 8 "$work/shot.png"
  local dx dy
  for d in "0 -36" "0 35" "-36 0" "35 0"; do
    read -r dx dy <<<"$d"
    convert "$work/shot.png" -crop "5x5+$(($1 + dx - 2))+$(($2 + dy - 2))" txt:- |
      awk -F'[(),]' 'NR > 1 && $2 > 200 && $3 > 140 && $4 > 140 { found = 1 } END { exit !found }' ||
      return 1
  done
}
wait_for() {
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  return 1
}
