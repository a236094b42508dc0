# Sourced: starts an Xvfb display of our own for this shell and stops it (and its Wine server) on exit.
# Sets DISPLAY.
tobrin_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  TOBRIN_XVFB_PID=$!
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  export DISPLAY=":$n"
  trap tobrin_stop_xvfb EXIT
}

tobrin_stop_xvfb() {
  if [ -n "${TOBRIN_WINEPREFIX:-}" ] && [ -d "$TOBRIN_WINEPREFIX" ]; then
    WINEPREFIX=$TOBRIN_WINEPREFIX wineserver -k 2>/dev/null || true
  fi
  [ -n "${TOBRIN_XVFB_PID:-}" ] && kill "$TOBRIN_XVFB_PID" 2>/dev/null || true
}
