#!/usr/bin/env bash
# Builds the program and starts it: under Wine in your own X session on Linux.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
exec "$root/tools/wine-run.sh" "$root/build/win32/wineprefix" "$root/build/win32/shell/Tobrin.exe" "$@"
