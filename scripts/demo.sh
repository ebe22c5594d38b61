#!/usr/bin/env bash
# Runs the launcher under Wine on the bundled sample disc, or on a disc folder or image
# given, the disc in CD-ROM drive Q: labelled BV. With a reachable display it opens the
# launcher for you; without one it saves a picture of the launcher's window and, for the
# sample, runs the end-to-end install and uninstall walk.
#   demo.sh [DISC_FOLDER_OR_IMAGE]
# DEMO_BUILD_DIR=dir uses another build folder than the mingw-x86_64 preset's.
set -euo pipefail
given=
if [ -n "${1-}" ]; then given=$(realpath "$1"); fi
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/bootstrap.sh

build=${DEMO_BUILD_DIR:-build/mingw-x86_64}
echo "demo: building the Windows launcher in $build"
if [ -z "${DEMO_BUILD_DIR:-}" ]; then
  cmake --preset mingw-x86_64 >/dev/null
else
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
cmake --build "$build" -j 2 --target setup e2e_tests sample_disc >/dev/null

export WINEPREFIX=$root/build/demo-wineprefix
export WINEDEBUG=-all
# Wine names files in the locale's charset: without UTF-8 it cannot open the disc's
# Japanese file names. C.UTF-8 keeps the ANSI code page of an English Windows (1252).
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
  export LC_ALL=C.UTF-8
fi
disc=$root/$build/sample-disc
label=BV device=
# A disc of the publisher's is copied, so that no label file is left in it. An image is
# attached as a loop device, from which Wine reads the label as Windows reads a CD's.
if [ -f "$given" ]; then
  disc=$root/build/demo-disc
  if [ -d "$disc" ]; then chmod -R u+w "$disc" && rm -rf "$disc"; fi
  xorriso -report_about WARNING -rockridge off -joliet on -osirrox on -indev "$given" \
    -extract / "$disc" >/dev/null 2>&1 || { echo "demo: $given is no disc image" >&2; exit 1; }
  if device=$(losetup -f --show -r "$given" 2>/dev/null); then
    label=
  else
    echo "demo: no loop device could be attached; the label BV comes from a file"
  fi
elif [ -n "$given" ]; then
  disc=$root/build/demo-disc
  if [ -d "$disc" ]; then chmod -R u+w "$disc" && rm -rf "$disc"; fi
  cp -r "$given" "$disc"
fi
map_disc() {
  if [ -n "$device" ]; then
    wine_map_cdrom_device q "$disc" "$device"
  else
    wine_map_drive q "$disc" cdrom $label
  fi
  wine_restart_server
}
release_disc() {
  rm -f "$WINEPREFIX/dosdevices/q::"
  if [ -n "$device" ]; then losetup -d "$device"; fi
}
trap release_disc EXIT
# shellcheck source=wine-env.sh
source scripts/wine-env.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_up
  "$WINE64" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  map_disc
  echo "demo: starting Q:\\setup.exe on $DISPLAY (Wine prefix $WINEPREFIX)"
  "$WINE64" 'Q:\setup.exe'
  "$WINESERVER" -w >/dev/null 2>&1 || true
  exit 0
fi

echo "demo: no display; the launcher on an Xvfb of its own, then the install and uninstall walk"
shots=$root/build/demo-screenshots
mkdir -p "$shots"
wine_up
wine_start_xvfb "$shots"
trap 'release_disc; wine_down; wine_stop_xvfb' EXIT
wine_unattended
map_disc
"$WINE64" 'Q:\setup.exe' &
launcher=$!
# The picture once a window of setup.exe is on the screen (Wine names its class after the
# program), and its first paint has had a moment.
for _ in $(seq 300); do
  xwininfo -root -tree 2>/dev/null | grep -qi '("setup.exe"' && break
  sleep 0.1
done
sleep 0.5
/usr/bin/import -window root "$shots/main-window.png"
kill "$launcher" 2>/dev/null || true
wine_down
wine_stop_xvfb
echo "demo: the main window as the player sees it: $shots/main-window.png"
if [ -n "$given" ]; then exit 0; fi
bash tests/e2e/run-e2e.sh "$build/bin/e2e_tests.exe" "$disc" build/demo-run \
  LauncherTest.InstallRunGameAndUninstall
