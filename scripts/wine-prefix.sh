# shellcheck shell=bash
# Sourced: make_wine_prefix FOLDER sets up a new Wine prefix there for the Windows programs
# and their tests, and exports WINEPREFIX and WINEDEBUG. The Wine server stays up until
# stop_wine (the caller's to run at its end): each program then starts in a fraction of a
# second.
make_wine_prefix() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  # A server left by an interrupted run would keep files of the old prefix open.
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  if ! wineboot -i >"$WINEPREFIX.wineboot.log" 2>&1; then
    cat "$WINEPREFIX.wineboot.log" >&2
    return 1
  fi
  # Windows' own faces, which Debian's Wine leaves out of a new prefix.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # With no window manager, Wine's windows must not wait for one to give them the focus.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# Keeps Wine's desktop up on $DISPLAY: it ends a while after its last program, and coming
# back takes 10 s here (its RPC service times out), which would count against every program
# started after a pause. A console program waiting for input holds it; it ends with the server.
wine_desktop_holder=
keep_wine_desktop_up() {
  sleep infinity > >(wine cmd /c pause >/dev/null 2>&1) &
  wine_desktop_holder=$!
  # The first program on a display brings the desktop up; the wait is taken here, once.
  wine cmd /c exit >/dev/null 2>&1 || true
}

stop_wine() {
  if [ -n "$wine_desktop_holder" ]; then kill "$wine_desktop_holder" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
}
