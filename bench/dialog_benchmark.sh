#!/usr/bin/env bash
# bench/dialog_benchmark.sh [RUNS]: builds if needed, then times the calculate command through the
# dialog under Wine (in an Xvfb display of its own): from the click on 計算 to "Completed End !" for an
# empty file with the range 00000000..FFFFFFFF, and for an 8-byte file beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" >/dev/null

export TOBRIN_WINEPREFIX="$root/build/win32/wineprefix"
# shellcheck source=tools/xvfb.sh
. "$root/tools/xvfb.sh"
tobrin_start_xvfb
"$root/tools/wine-run.sh" "$TOBRIN_WINEPREFIX" "$root/build/win32/tests/e2e/dialog_benchmark.exe" \
  --tobrin="$root/build/win32/shell/Tobrin.exe" "$@" | iconv -f CP932 -t UTF-8
