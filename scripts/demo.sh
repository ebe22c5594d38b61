#!/usr/bin/env bash
# Runs the launcher under Wine on the bundled sample disc, or on a disc folder or image
# given, the disc in CD-ROM drive Q: labelled BV. With a reachable display it opens the
# launcher for you; without one it walks an install into scratch drive T: (standing for
# DEFDIR's drive) and an uninstall, with a picture of each step, and fails when a step does.
# A disc's 32-bit setup.exe, which wine64 cannot run, or a missing one, is replaced in the
# demo's copy by this tree's x86_64 build.
#   demo.sh [DISC_FOLDER_OR_IMAGE]
# DEMO_BUILD_DIR=dir uses another build folder than the mingw-x86_64 preset's;
# DEMO_WINEPREFIX another prefix; DEMO_OUT another folder for the disc's copy and the
# pictures than build/; DEMO_WAIT the seconds a window may take (default 60).
set -Eeuo pipefail
# A step that fails names itself: a bare exit status says nothing in a test's log.
trap 'echo "demo: failed: $BASH_COMMAND (line $LINENO)" >&2' ERR
given=
if [ -n "${1-}" ]; then given=$(realpath "$1"); fi
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/bootstrap.sh

build=${DEMO_BUILD_DIR:-build/mingw-x86_64}
echo "demo: building the Windows launcher in $build"
if [ -z "${DEMO_BUILD_DIR:-}" ]; then
  cmake --preset mingw-x86_64 >/dev/null
elif [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
fi
targets=(setup demo_walk)
if [ -z "$given" ]; then targets+=(sample_disc); fi
cmake --build "$build" -j 2 --target "${targets[@]}" >/dev/null
build=$(realpath "$build")

export WINEPREFIX=${DEMO_WINEPREFIX:-$root/build/demo-wineprefix}
out=${DEMO_OUT:-$root/build}
mkdir -p "$out"
export WINEDEBUG=-all
# Wine names files in the locale's charset: without UTF-8 it cannot open the disc's
# Japanese file names. C.UTF-8 keeps the ANSI code page of an English Windows (1252).
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
  export LC_ALL=C.UTF-8
fi
# shellcheck source=own-folder.sh
source scripts/own-folder.sh
disc=$build/sample-disc
label=BV device=
# A disc of the publisher's is copied, so that no label file is left in it. An image is
# attached as a loop device, from which Wine reads the label as Windows reads a CD's.
if [ -n "$given" ]; then
  disc=$out/demo-disc
  # The marker stands beside the disc's copy, not in it: Q: shows the disc alone.
  make_own_folder "$disc" "$disc$OWN_FOLDER_MARKER"
fi
if [ -f "$given" ]; then
  xorriso -report_about WARNING -rockridge off -joliet on -osirrox on -indev "$given" \
    -extract / "$disc" >/dev/null 2>&1 || { echo "demo: $given is no disc image" >&2; exit 1; }
  if device=$(losetup -f --show -r "$given" 2>/dev/null); then
    label=
  else
    echo "demo: no loop device could be attached; the label BV comes from a file"
  fi
elif [ -n "$given" ]; then
  cp -r "$given/." "$disc"
fi
# The machine field of a PE file's header (014c for 32-bit x86), empty for anything else.
pe_machine() {
  local offset
  [ "$(head -c 2 "$1")" = MZ ] || return 0
  offset=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
  [ "$(od -An -c -j "$offset" -N 4 "$1" | tr -d ' ')" = 'PE\0\0' ] || return 0
  od -An -tx2 -j $((offset + 4)) -N 2 "$1" | tr -d ' '
}
launcher=$(find "$disc" -maxdepth 1 -type f -iname setup.exe | head -n 1)
ours="this tree's x86_64 build $build/bin/setup.exe"
replace=
if [ -z "$launcher" ]; then
  echo "demo: the disc has no setup.exe at its root; the demo runs $ours in its place" \
    "(the disc to ship needs the 32-bit build/mingw-i686/bin/setup.exe)"
  replace=1
elif [ "$(pe_machine "$launcher")" = 014c ]; then
  echo "demo: the disc's setup.exe is a 32-bit build (PE machine 0x14c), which this machine's" \
    "wine64 cannot run; the demo runs $ours in its place"
  replace=1
elif [ "$(pe_machine "$launcher")" = 8664 ]; then
  echo "demo: runs the disc's own setup.exe, an x86_64 build (PE machine 0x8664), which wine64" \
    "runs (the disc to ship needs the 32-bit build/mingw-i686/bin/setup.exe)"
else
  echo "demo: the disc's setup.exe is no 32-bit or x86_64 Windows program; the demo runs" \
    "$ours in its place"
  replace=1
fi
if [ -n "$replace" ]; then
  chmod u+w "$disc"
  rm -f "$launcher"
  cp "$build/bin/setup.exe" "$disc/setup.exe"
fi
map_disc() {
  if [ -n "$device" ]; then
    wine_map_cdrom_device q "$disc" "$device"
  else
    wine_map_drive q "$disc" cdrom $label
  fi
  wine_restart_server
}
# Q: goes with the demo: the tests that share the prefix expect no disc drive of its own.
release_disc() {
  if declare -F wine_unmap_drive >/dev/null; then wine_unmap_drive q || true; fi
  rm -f "$WINEPREFIX/dosdevices/q::"
  if [ -n "$device" ]; then losetup -d "$device" && device=; fi
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

echo "demo: no display; on an Xvfb of its own, the install and uninstall walk"
shots=$out/demo-screenshots
scratch=$out/demo-run/t-drive
make_own_folder "$shots"
make_own_folder "$out/demo-run"
mkdir -p "$scratch"
wine_up
wine_start_xvfb "$shots"
# Both drives go again: the tests share their prefix with this walk.
trap 'release_disc; wine_unmap_drive t; wine_down; wine_stop_xvfb' EXIT
wine_unattended
wine_map_drive t "$scratch" hd
map_disc
# The walk asks for each picture ("shot NAME") and goes on once NAME.png is there.
status=0
"$WINE64" "$build/bin/demo_walk.exe" T: "$(winepath_of "$shots")" "${DEMO_WAIT:-60}" </dev/null |
  while IFS= read -r line; do
    line=${line%$'\r'}
    if [[ $line == "shot "* ]]; then
      name=${line#shot }
      /usr/bin/import -window root "png:$shots/$name.part"
      mv "$shots/$name.part" "$shots/$name.png"
      echo "demo: picture: $shots/$name.png"
    else
      echo "demo: $line"
    fi
  done || status=$?
if [ "$status" -ne 0 ]; then
  shown=
  if [ -f "$shots/failed.png" ]; then shown="; the screen then: $shots/failed.png"; fi
  echo "demo: the walk failed (exit $status)$shown" >&2
  exit 1
fi
echo "demo: install and uninstall walked; the pictures are in $shots"
