#!/usr/bin/env bash
# tools/screenshot.sh [OUT.png]: builds if needed, starts Tobrin.exe under Wine in an Xvfb display of its
# own (the prefix's virtual desktop draws the caption) and saves its main dialog as a PNG, by default
# docs/main-dialog.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/main-dialog.png}
"$root/tools/build.sh" >/dev/null

export TOBRIN_WINEPREFIX="$root/build/win32/wineprefix"
# shellcheck source=tools/xvfb.sh
. "$root/tools/xvfb.sh"
tobrin_start_xvfb

work=$(mktemp -d)
trap 'rm -rf "$work"; tobrin_stop_xvfb' EXIT
# The helper prints the dialog's rectangle once it is painted and closes it when "done" appears.
"$root/tools/wine-run.sh" "$TOBRIN_WINEPREFIX" "$root/build/win32/tests/e2e/show_main_dialog.exe" \
  --tobrin="$root/build/win32/shell/Tobrin.exe" "$work/done" >"$work/geometry" &
helper=$!
for _ in $(seq 1 300); do
  [ -s "$work/geometry" ] && break
  kill -0 "$helper" 2>/dev/null || break
  sleep 0.1
done
geometry=$(tr -d '\r\n' <"$work/geometry")
if [ -z "$geometry" ]; then
  echo "screenshot.sh: the main dialog did not appear" >&2
  exit 1
fi
mkdir -p "$(dirname "$out")"
import -display "$DISPLAY" -window root -crop "$geometry" +repage "$out"
touch "$work/done"
wait "$helper"
echo "$out ($geometry)"
