# shellcheck shell=bash
# An X server of one's own, for the scripts, benchmarks and tests that need a display.
# Sourced. The server picks a display number no other server holds (-displayfd) instead of
# one guessed at random, so two test runs side by side, or a clock the user runs, never
# meet on one display.

# start_x_server FOLDER SERVER [ARGUMENTS...]: starts the X server (Xvfb or Xorg with its
# arguments) and waits until it takes connections; sets `x_server` (its process) and
# `x_display` (":N"). Its output goes to FOLDER/x-server.log. A server that does not start
# has that output shown on standard error, and the function returns 1.
start_x_server() {
  local folder=$1 number
  shift
  : >"$folder/x-server.display"
  # The server writes its number, and a line end, to descriptor 3 once it is ready.
  "$@" -displayfd 3 3>"$folder/x-server.display" >"$folder/x-server.log" 2>&1 &
  x_server=$!
  for _ in $(seq 300); do
    number=$(cat "$folder/x-server.display")
    if [[ $number =~ ^[0-9]+$ ]]; then
      # shellcheck disable=SC2034 # for the caller
      x_display=:$number
      return 0
    fi
    kill -0 "$x_server" 2>/dev/null || break
    sleep 0.1
  done
  kill "$x_server" 2>/dev/null || true
  echo "$1 did not start; it said:" >&2
  sed 's/^/  /' "$folder/x-server.log" >&2
  return 1
}
