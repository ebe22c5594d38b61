#!/usr/bin/env bash
# Runs the launcher on the bundled sample disc under Wine, the disc in CD-ROM drive Q:
# labelled BV. With a reachable display it opens the launcher for you; without one it
# saves a picture of the launcher's window and runs the end-to-end install and uninstall walk.
# DEMO_BUILD_DIR=dir uses another build folder than the mingw-x86_64 preset's.
set -euo pipefail
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

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  # shellcheck source=wine-env.sh
  source scripts/wine-env.sh
  wine_up
  "$WINE64" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  wine_map_drive q "$disc" cdrom BV
  # The drive's label is read when Wine's services start.
  wine_down
  "$WINESERVER" -w >/dev/null 2>&1 || true
  echo "demo: starting Q:\\setup.exe on $DISPLAY (Wine prefix $WINEPREFIX)"
  "$WINE64" 'Q:\setup.exe'
  "$WINESERVER" -w >/dev/null 2>&1 || true
  exit 0
fi

echo "demo: no display; the launcher on an Xvfb of its own, then the install and uninstall walk"
bash scripts/wine-env.sh up
# shellcheck source=wine-env.sh
source scripts/wine-env.sh
shots=$root/build/demo-screenshots
mkdir -p "$shots"
Xvfb -displayfd 7 -screen 0 800x600x24 -nolisten tcp 7>"$shots/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$shots/display" ] && break; sleep 0.1; done
wine_map_drive q "$disc" cdrom BV
wine_down
"$WINESERVER" -w >/dev/null 2>&1 || true
DISPLAY=":$(head -n1 "$shots/display")" "$WINE64" 'Q:\setup.exe' &
launcher=$!
sleep 4
DISPLAY=":$(head -n1 "$shots/display")" /usr/bin/import -window root "$shots/main-window.png"
kill "$launcher" 2>/dev/null || true
wine_down
kill "$xvfb" 2>/dev/null || true
echo "demo: the main window as the player sees it: $shots/main-window.png"
bash tests/e2e/run-e2e.sh "$build/bin/e2e_tests.exe" "$disc" build/demo-run \
  LauncherTest.InstallRunGameAndUninstall
