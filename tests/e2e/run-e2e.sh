#!/usr/bin/env bash
# Runs the end-to-end driver against the real setup.exe: its own Xvfb (800 x 600), a copy of
# the staged disc as CD-ROM drive Q:, a scratch folder as drive T:, screenshots as PNG.
#   run-e2e.sh DRIVER_EXE STAGED_DISC RUN_DIR ARTIFACT_DIR [scenario...]
# With no scenario it runs no_disc first (Q: without its label), then all the others.
# Needs WINEPREFIX (an existing prefix, see scripts/wine-env.sh); LC_ALL picks the code page.
set -euo pipefail
driver=$1 staged=$2 run=$3 artifacts=$4
shift 4
mkdir -p "$run" "$artifacts"
driver=$(realpath "$driver") staged=$(realpath "$staged") run=$(realpath "$run")
artifacts=$(realpath "$artifacts")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"
# shellcheck source=fault-drive.sh
source "$here/fault-drive.sh"

xvfb_pid=""
cleanup() {
  wine_unmap_drive q || true
  wine_unmap_drive t || true
  small_drive_down
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

small_drive_left_over "$run"
[ -d "$run" ] && chmod -R u+w "$run"
rm -rf "$run"
mkdir -p "$run/t-drive" "$artifacts"
rm -f "$artifacts"/*.png "$artifacts"/*.bmp
cp -a "$staged" "$run/disc"

# Xvfb picks a free display itself and tells its number once it accepts clients.
Xvfb -displayfd 7 -screen 0 800x600x24 -nolisten tcp 7>"$run/display" >"$run/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$run/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "run-e2e: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$run/display" ] || { echo "run-e2e: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$run/display")"

# A crash must fail the test, not wait in a debugger dialog.
"$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f \
  >/dev/null 2>&1
"$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
  /d false /f >/dev/null 2>&1

# No window manager runs on Xvfb: Wine then draws the captions and frames itself, so that
# the screenshots show them.
"$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1

# Wine reads drive labels when its services start, and its desktop takes the display of its
# first program: restart this prefix's server after every change of the drives.
restart_wine() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  "$WINESERVER" -p >/dev/null 2>&1
}

run_driver() {
  "$WINE64" "$driver" --disc "$(winepath_of "$run/disc")" --artifacts "$(winepath_of "$artifacts")" \
    --target 'T:' "$@" </dev/null
}

# no_disc needs Q: without its label, so it runs in a Wine session of its own.
want_no_disc=0
others=()
if [ $# -eq 0 ]; then
  want_no_disc=1
else
  for scenario in "$@"; do
    if [ "$scenario" = no_disc ]; then want_no_disc=1; else others+=("$scenario"); fi
  done
fi

status=0
wine_map_drive t "$run/t-drive" hd
small_drive_up "$run"
if [ $want_no_disc -eq 1 ]; then
  wine_map_drive q "$run/disc" cdrom
  restart_wine
  run_driver no_disc || status=1
fi
if [ $# -eq 0 ] || [ ${#others[@]} -gt 0 ]; then
  wine_map_drive q "$run/disc" cdrom BV
  restart_wine
  run_driver ${others[@]+"${others[@]}"} || status=1
fi

for picture in "$artifacts"/*.bmp; do
  [ -e "$picture" ] || continue
  /usr/bin/convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
echo "run-e2e: screenshots in $artifacts"
exit $status
