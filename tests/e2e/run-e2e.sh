#!/usr/bin/env bash
# The end-to-end tests on their own Xvfb: a copy of the staged disc as CD-ROM Q:, a scratch
# T: and, where mounting is allowed, a 4 MiB S:; NoDisc in a session of its own, Q: unlabelled.
# Needs WINEPREFIX; LC_ALL picks the code page. E2E_DPI=N: the display scale for the run.
# E2E_DISC_DEVICE=/dev/loopN: Q:'s label read from that device (an image of the disc).
#   run-e2e.sh E2E_TESTS_EXE STAGED_DISC RUN_DIR [GTEST_FILTER]
set -euo pipefail
tests=$(realpath "$1") staged=$(realpath "$2") run=$(realpath -m "$3") filter=${4:-*}
# shellcheck source=../../scripts/wine-env.sh
source "$(dirname "$0")/../../scripts/wine-env.sh"
# shellcheck source=../../scripts/own-folder.sh
source "$(dirname "$0")/../../scripts/own-folder.sh"

unmount() { if mountpoint -q "$run/s-drive" 2>/dev/null; then umount -l "$run/s-drive" || true; fi; }
set_dpi() { wine_reg_add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1"; }
cleanup() {
  if [ -n "${E2E_DPI-}" ]; then set_dpi 96; fi
  for letter in q s t; do wine_unmap_drive $letter || true; done
  unmount
  wine_down
  wine_stop_xvfb
}
unmount
make_own_folder "$run"
mkdir -p "$run/t-drive" "$run/s-drive" "$run/pictures"
cp -a "$staged" "$run/disc"

trap cleanup EXIT
if [ -n "${E2E_DPI-}" ]; then export XVFB_SCREEN=1280x1024; fi
wine_start_xvfb "$run"
wine_unattended
if [ -n "${E2E_DPI-}" ]; then set_dpi "$E2E_DPI"; fi
wine_map_drive t "$run/t-drive" hd
if mount -t tmpfs -o size=4m tmpfs "$run/s-drive" 2>/dev/null; then wine_map_drive s "$run/s-drive" hd; fi
export E2E_TARGET=T: E2E_DISC E2E_SHOTS
E2E_DISC=$(winepath_of "$run/disc") E2E_SHOTS=$(winepath_of "$run/pictures")

run_tests() {
  if [ -n "${2-}" ] && [ -n "${E2E_DISC_DEVICE-}" ]; then
    wine_map_cdrom_device q "$run/disc" "$E2E_DISC_DEVICE"
  else
    wine_map_drive q "$run/disc" cdrom ${2-}
  fi
  wine_restart_server
  "$WINE64" "$tests" --gtest_filter="$1" </dev/null | tee -a "$run/gtest.log"
}
# A filter is POSITIVE[-NEGATIVE]; NoDisc is taken out of the labelled run either way.
positive=${filter%%-*}
if [[ $filter == *-* ]]; then others="$filter:Flow.NoDisc"; else others="$filter-Flow.NoDisc"; fi
status=0
if [[ $positive == "*" || $positive == *NoDisc* ]]; then run_tests Flow.NoDisc || status=1; fi
if [[ $positive != Flow.NoDisc ]]; then run_tests "$others" BV || status=1; fi
# ctest reports 77 as skipped: a case that skipped itself is never counted as passed.
if [ $status -eq 0 ] && grep -q '\[  SKIPPED \]' "$run/gtest.log"; then exit 77; fi
exit $status
