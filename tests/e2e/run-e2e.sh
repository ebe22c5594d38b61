#!/usr/bin/env bash
# Runs the end-to-end tests on their own Xvfb (800 x 600) with a copy of the staged disc as
# CD-ROM drive Q:, a scratch folder as drive T: and, where mounting is allowed, a 4 MiB file
# system as drive S: for the free-space tests. NoDisc runs in a Wine session of its own, with
# Q: unlabelled. Needs WINEPREFIX (see scripts/wine-env.sh); LC_ALL picks the code page.
# E2E_DISC_DEVICE=/dev/loopN: the labelled runs read Q:'s label from that device (an image
# of the disc), with no label file.
#   run-e2e.sh E2E_TESTS_EXE STAGED_DISC RUN_DIR [GTEST_FILTER]
set -euo pipefail
tests=$(realpath "$1") staged=$(realpath "$2") run=$(realpath -m "$3") filter=${4:-*}
# shellcheck source=../../scripts/wine-env.sh
source "$(dirname "$0")/../../scripts/wine-env.sh"

unmount() { if mountpoint -q "$run/s-drive" 2>/dev/null; then umount -l "$run/s-drive" || true; fi; }
cleanup() {
  rm -f "$WINEPREFIX/dosdevices/q::"
  for letter in q s t; do wine_unmap_drive $letter || true; done
  unmount
  "$WINESERVER" -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
}
unmount
if [ -d "$run" ]; then chmod -R u+w "$run" && rm -rf "$run"; fi
mkdir -p "$run/t-drive" "$run/s-drive"
cp -a "$staged" "$run/disc"

# Xvfb picks a free display itself and tells its number once it accepts clients.
Xvfb -displayfd 7 -screen 0 800x600x24 -nolisten tcp 7>"$run/display" >"$run/xvfb.log" 2>&1 &
xvfb_pid=$!
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$run/display")"

# A crash fails the test instead of waiting in a debugger dialog; no window manager runs,
# so windows are unmanaged, or Wine would wait 2 s for one at every close.
reg() { "$WINE64" reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
wine_map_drive t "$run/t-drive" hd
if mount -t tmpfs -o size=4m tmpfs "$run/s-drive" 2>/dev/null; then wine_map_drive s "$run/s-drive" hd; fi
export E2E_TARGET=T: E2E_DISC
E2E_DISC=$(winepath_of "$run/disc")

# Wine reads drive labels when its services start.
run_tests() {
  rm -f "$WINEPREFIX/dosdevices/q::"
  if [ -n "${2-}" ] && [ -n "${E2E_DISC_DEVICE-}" ]; then
    wine_map_drive q "$run/disc" cdrom
    ln -s "$E2E_DISC_DEVICE" "$WINEPREFIX/dosdevices/q::"
  else
    wine_map_drive q "$run/disc" cdrom ${2-}
  fi
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  "$WINE64" "$tests" --gtest_filter="$1" </dev/null | tee -a "$run/gtest.log"
}
status=0
if [[ $filter == "*" || $filter == *NoDisc* ]]; then run_tests LauncherTest.NoDisc || status=1; fi
if [[ $filter != *NoDisc* ]]; then run_tests "$filter-LauncherTest.NoDisc" BV || status=1; fi
# ctest reports 77 as skipped: a case that skipped itself is never counted as passed.
if [ $status -eq 0 ] && grep -q '\[  SKIPPED \]' "$run/gtest.log"; then exit 77; fi
exit $status
