#!/usr/bin/env bash
# tools/screenshot.sh [MAIN.png [ABOUT.png]]: builds if needed, starts Tobrin.exe under Wine in an Xvfb
# display of its own (the prefix's virtual desktop draws the caption) and saves its main dialog and its
# About box as PNGs, by default docs/main-dialog.png and docs/about-box.png. TOBRIN_WINEPREFIX chooses
# another prefix than the build's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/main-dialog.png}
about=${2:-$root/docs/about-box.png}
"$root/tools/build.sh" >/dev/null

export TOBRIN_WINEPREFIX=${TOBRIN_WINEPREFIX:-$root/build/win32/wineprefix}
# shellcheck source=tools/xvfb.sh
. "$root/tools/xvfb.sh"
tobrin_start_xvfb

work=$(mktemp -d)
trap 'rm -rf "$work"; tobrin_stop_xvfb' EXIT

# shoot OUT.png [--about-box]: the helper prints the window's rectangle once it is painted and closes the
# program when "done" appears.
shoot() {
  local png=$1; shift
  rm -f "$work/done" "$work/geometry"
  "$root/tools/wine-run.sh" "$TOBRIN_WINEPREFIX" "$root/build/win32/tests/e2e/show_main_dialog.exe" \
    --tobrin="$root/build/win32/shell/Tobrin.exe" "$@" "$work/done" >"$work/geometry" &
  local helper=$!
  for _ in $(seq 1 300); do
    [ -s "$work/geometry" ] && break
    kill -0 "$helper" 2>/dev/null || break
    sleep 0.1
  done
  local geometry
  geometry=$(tr -d '\r\n' <"$work/geometry")
  if [ -z "$geometry" ]; then
    echo "screenshot.sh: the window did not appear" >&2
    exit 1
  fi
  mkdir -p "$(dirname "$png")"
  import -display "$DISPLAY" -window root -crop "$geometry" +repage "$png"
  touch "$work/done"
  wait "$helper"
  echo "$png ($geometry)"
}

shoot "$out"
shoot "$about" --about-box
