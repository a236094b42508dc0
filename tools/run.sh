#!/usr/bin/env bash
# run.sh [FILE]: builds the program and starts it, under Wine in your own X session on Linux. A FILE
# given is named on the program's command line, as Wine sees it (drive Z: is the Unix root).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"

args=()
for arg in "$@"; do
  if [ -e "$arg" ]; then
    path=$(realpath "$arg")
    args+=("Z:${path//\//\\}")
  else
    args+=("$arg")
  fi
done
exec "$root/tools/wine-run.sh" "$root/build/win32/wineprefix" "$root/build/win32/shell/Tobrin.exe" "${args[@]}"
