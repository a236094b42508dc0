#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test: the native unit tests, then
# the Windows build's tests under Wine (Xvfb display, Japanese locale). Exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh" || exit 1
"$root/tools/build.sh" || exit 1

status=0
echo "== native tests"
# The resource tests read the resources back from the Windows build's program.
export TOBRIN_EXE="$root/build/win32/shell/Tobrin.exe"
ctest --test-dir "$root/build/native" --output-on-failure -j "$(nproc)" || status=1

echo "== fuzz (tobrin-sum readers, a short run)"
"$root/tools/fuzz.sh" 8 || status=1

echo "== Windows build under Wine"
export TOBRIN_WINEPREFIX="$root/build/win32/wineprefix"
# shellcheck source=tools/xvfb.sh
. "$root/tools/xvfb.sh"
tobrin_start_xvfb
ctest --test-dir "$root/build/win32" --output-on-failure || status=1

exit $status
