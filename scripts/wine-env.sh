#!/usr/bin/env bash
# The Wine environment of the tests and the demo, in the prefix named by WINEPREFIX.
#   wine-env.sh up                          create the prefix if needed, start its wineserver
#   wine-env.sh down                        stop exactly this prefix's wineserver
#   wine-env.sh map LETTER DIR TYPE [LABEL] make DIR drive LETTER: (TYPE cdrom|hd|floppy|network)
#   wine-env.sh unmap LETTER
# Sourcing this file gives the same as functions (wine_up, wine_down, wine_map_drive, ...).
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
# Debian puts no wine64 on the PATH: every script and CMake's test runner (wine-run.sh)
# takes the loader from here.
WINE64=/usr/lib/wine/wine64
WINESERVER=$(dirname "$WINE64")/wineserver
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

wine_up() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  # One creator at a time: parallel test runs may race to create the prefix.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  # Each step says what failed and stops; only a prefix that passed every step is marked
  # ready, so the next run tries again instead of testing in a broken prefix.
  if [ ! -f "$WINEPREFIX/.launcher-ready" ]; then
    if ! LC_ALL=C "$WINE64" wineboot -i >"$WINEPREFIX.wineboot.log" 2>&1; then
      echo "wine-env: wineboot failed for $WINEPREFIX (log: $WINEPREFIX.wineboot.log)" >&2
      flock -u 9
      return 1
    fi
    if ! wine_font_replacements; then
      flock -u 9
      return 1
    fi
    touch "$WINEPREFIX/.launcher-ready"
  fi
  flock -u 9
  # Fails only when a server already runs for this prefix, which is what is wanted.
  "$WINESERVER" -p >/dev/null 2>&1 || true
  # Start Wine's own services now, with no terminal or pipe of ours: a service started
  # by the first test would hold that test's output pipe open and stall the runner.
  if ! "$WINE64" cmd.exe /c ver >/dev/null 2>&1 </dev/null; then
    echo "wine-env: wine64 cannot run cmd.exe in $WINEPREFIX" >&2
    return 1
  fi
}

wine_down() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
}

# Wine reads drive types and labels when its server starts: stop exactly this prefix's
# server and wait for it, so that the next program starts one that sees the drives as mapped.
wine_restart_server() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
}

# For runs with nobody at the screen: a crash ends the program instead of waiting in a
# debugger dialog, and with no window manager on Xvfb the windows are unmanaged, or Wine
# would wait 2 s for one at every close.
wine_unattended() {
  local aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
  wine_reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 &&
    wine_reg_add "$aedebug" /v Auto /d 1 &&
    wine_reg_add "$aedebug" /v Debugger /d false &&
    wine_reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
}

# Callers may run inside "if" or "&&", where set -e does not stop them: every failure is
# returned, with what failed.
wine_reg_add() {
  "$WINE64" reg add "$@" /f >/dev/null 2>&1 && return 0
  echo "wine-env: wine reg add $* failed in $WINEPREFIX" >&2
  return 1
}

# An 800 x 600 Xvfb of our own (XVFB_SCREEN=WxH for another size), which picks a free display
# itself and tells its number once it accepts clients: wine_start_xvfb DIR (its log and
# display number go there). Sets DISPLAY and XVFB_PID; wine_stop_xvfb stops exactly that one.
wine_start_xvfb() {
  local dir=$1
  rm -f "$dir/display"
  Xvfb -displayfd 7 -screen 0 "${XVFB_SCREEN:-800x600}x24" -nolisten tcp 7>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$dir/display" ] || { echo "Xvfb gave no display (log: $dir/xvfb.log)" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$dir/display")"
}

wine_stop_xvfb() {
  if [ -n "${XVFB_PID-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Japanese glyphs under LC_ALL=C: map the dialog fonts to IPA P Gothic. regedit reads
# UTF-16; "wine reg add" would mangle the non-ASCII value name.
# regedit says nothing of a file it could not import: the last value is read back instead.
wine_font_replacements() {
  local reg key='HKCU\Software\Wine\Fonts\Replacements' ok=0
  reg=$(mktemp --suffix=.reg)
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n"Tahoma"="IPAPGothic"\r\n"MS Shell Dlg"="IPAPGothic"\r\n"MS Shell Dlg 2"="IPAPGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n' |
    iconv -f UTF-8 -t UTF-16 >"$reg" &&
    "$WINE64" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 &&
    "$WINE64" reg query "$key" /v 'MS UI Gothic' 2>/dev/null | grep -q IPAPGothic && ok=1
  rm -f "$reg"
  [ $ok = 1 ] && return 0
  echo "wine-env: the Japanese font replacements could not be imported into $WINEPREFIX" >&2
  return 1
}

# The Windows name of a Unix path, through drive Z: (the file system root).
winepath_of() {
  printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

wine_map_drive() {
  local letter=${1,,} dir=$2 type=$3 label=${4-}
  mkdir -p "$WINEPREFIX/dosdevices"
  ln -sfn "$(realpath "$dir")" "$WINEPREFIX/dosdevices/$letter:"
  rm -f "$WINEPREFIX/dosdevices/$letter::"
  wine_reg_add 'HKLM\Software\Wine\Drives' /v "$letter:" /d "$type" || return 1
  if [ -n "$label" ]; then
    printf '%s' "$label" >"$dir/.windows-label"
  else
    rm -f "$dir/.windows-label"
  fi
}

# A CD-ROM drive that reads its label from a device, as Windows reads a disc's: DEVICE is a
# loop device attached to the disc's image, and no label file is written.
#   wine_map_cdrom_device LETTER DIR DEVICE
wine_map_cdrom_device() {
  local letter=${1,,}
  wine_map_drive "$letter" "$2" cdrom
  ln -sfn "$3" "$WINEPREFIX/dosdevices/$letter::"
}

wine_unmap_drive() {
  local letter=${1,,}
  rm -f "$WINEPREFIX/dosdevices/$letter:" "$WINEPREFIX/dosdevices/$letter::"
  "$WINE64" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1 || true
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  case "${1-}" in
    up) wine_up ;;
    down) wine_down ;;
    map) shift; wine_map_drive "$@" ;;
    unmap) shift; wine_unmap_drive "$@" ;;
    *) echo "usage: wine-env.sh up|down|map LETTER DIR TYPE [LABEL]|unmap LETTER" >&2; exit 2 ;;
  esac
fi
