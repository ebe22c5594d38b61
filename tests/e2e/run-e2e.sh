#!/usr/bin/env bash
# Runs the end-to-end tests against the real setup.exe: its own Xvfb (800 x 600), a copy of
# the staged disc as CD-ROM drive Q:, a scratch folder as drive T:, and where the machine
# allows mounting, a 1 MiB file system as drive S: for the full-disk test.
#   run-e2e.sh E2E_TESTS_EXE STAGED_DISC RUN_DIR [GTEST_FILTER]
# Needs WINEPREFIX (an existing prefix, see scripts/wine-env.sh); LC_ALL picks the code page.
set -euo pipefail
tests=$(realpath "$1") staged=$(realpath "$2") run=$(realpath -m "$3")
filter=${4:-*}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/wine-env.sh
source "$here/../../scripts/wine-env.sh"

xvfb_pid=""
cleanup() {
  wine_unmap_drive q || true
  wine_unmap_drive t || true
  wine_unmap_drive s || true
  if mountpoint -q "$run/s-drive"; then umount "$run/s-drive" || umount -l "$run/s-drive"; fi
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; } || true
}
# A killed run may have left its small drive mounted inside the run folder.
if mountpoint -q "$run/s-drive" 2>/dev/null; then umount -l "$run/s-drive" || true; fi
[ -d "$run" ] && chmod -R u+w "$run"
rm -rf "$run"
mkdir -p "$run/t-drive" "$run/s-drive"
cp -a "$staged" "$run/disc"
trap cleanup EXIT

# Xvfb picks a free display itself and tells its number once it accepts clients.
Xvfb -displayfd 7 -screen 0 800x600x24 -nolisten tcp 7>"$run/display" >"$run/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$run/display" ] && break
  sleep 0.1
done
[ -s "$run/display" ] || { echo "run-e2e: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$run/display")"

# A crash must fail the test, not wait in a debugger dialog.
"$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
"$WINE64" reg add "$aedebug" /v Auto /d 1 /f >/dev/null 2>&1
"$WINE64" reg add "$aedebug" /v Debugger /d false /f >/dev/null 2>&1
# No window manager runs on Xvfb: unmanaged windows, or Wine waits 2 s for one at every close.
"$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

wine_map_drive t "$run/t-drive" hd
if mount -t tmpfs -o size=1m tmpfs "$run/s-drive" 2>/dev/null; then
  wine_map_drive s "$run/s-drive" hd
fi
export E2E_DISC E2E_TARGET=T:
E2E_DISC=$(winepath_of "$run/disc")

# Wine reads drive labels when its services start: a server of its own for each labelling.
# NoDisc needs Q: without its label.
run_tests() {
  wine_map_drive q "$run/disc" cdrom ${2-}
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  "$WINESERVER" -p >/dev/null 2>&1
  "$WINE64" "$tests" --gtest_filter="$1" </dev/null
}
status=0
if [ "$filter" = "*" ]; then
  run_tests LauncherTest.NoDisc || status=1
  run_tests "*-LauncherTest.NoDisc" BV || status=1
elif [[ "$filter" == *NoDisc* ]]; then
  run_tests "$filter" || status=1
else
  run_tests "$filter" BV || status=1
fi
exit $status
