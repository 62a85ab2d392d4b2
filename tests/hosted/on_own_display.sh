#!/usr/bin/env bash
# Runs a test program on a virtual display of its own, on a display number no other server
# holds, with a runtime folder of its own; ends with the program's status.
# Usage: on_own_display.sh PROGRAM [ARGUMENTS...]   (needs Xvfb)
# SCREEN (WIDTHxHEIGHT, 1024x768 unless set) is the display's size in its pixels.
set -euo pipefail
# shellcheck source=checks.sh
source "$(dirname "$(realpath "$0")")/checks.sh"
start_display Xvfb -screen 0 "${SCREEN:-1024x768}x24" -nolisten tcp
"$@"
