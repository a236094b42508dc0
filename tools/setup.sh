#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: a second run installs nothing new. Runs as root or through sudo.
set -euo pipefail

if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386
  xvfb locales fonts-wine fonts-ipafont-gothic imagemagick
  srecord clang libclang-rt-14-dev
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${SUDO[@]}" dpkg --add-architecture i386
  missing=("${packages[@]}")
else
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# GetACP() under Wine follows the Unix locale: ja_JP.UTF-8 must exist for code page 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating ja_JP.UTF-8"
  "${SUDO[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${SUDO[@]}" tee -a /etc/locale.gen >/dev/null
  "${SUDO[@]}" locale-gen >/dev/null
fi
