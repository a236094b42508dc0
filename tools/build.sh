#!/usr/bin/env bash
# Builds both configurations: build/native (engine, unit tests, benchmark) and build/win32 (Tobrin.exe
# and the unit tests for Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/native" -j "$jobs"

cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win32" -j "$jobs"
