#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in the given prefix, with the
# Japanese locale (code page 932). Creates the prefix on first use. The caller sets DISPLAY.
set -euo pipefail
prefix=$1; shift

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$prefix/.tobrin-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.tobrin-ready" ]; then
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # A virtual desktop: captions as on Windows, and no 2 s wait on every window hide without a window
    # manager. A crash prints a backtrace and ends the process instead of opening a debugger dialog.
    reg=$(mktemp --suffix=.reg)
    printf '%s\r\n' 'REGEDIT4' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="ci"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"ci"="1024x768"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' >"$reg"
    wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
    wineserver -w
    rm -f "$reg"
    touch "$prefix/.tobrin-ready"
  fi
  exec 9>&-
fi

exec wine "$@"
