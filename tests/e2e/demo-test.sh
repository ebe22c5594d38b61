#!/usr/bin/env bash
# scripts/demo.sh on a small publisher's disc of another title: with a 32-bit setup.exe and
# with none it walks this tree's x86_64 build through an install and an uninstall, a picture
# of each step; a setup.exe that opens no window of the disc's title fails, with a picture.
#   demo-test.sh BUILD_DIR RUN_DIR
set -euo pipefail
build=$(realpath "$1") run=$(realpath -m "$2")
root=$(dirname "$(realpath "$0")")/../..
# shellcheck source=../../scripts/own-folder.sh
source "$root/scripts/own-folder.sh"
make_own_folder "$run" && mkdir -p "$run/disc/GAME/data"
cp "$build/sample-disc/HOSHIMI/game.exe" "$run/disc/GAME/" && chmod u+w "$run/disc/GAME/game.exe"
cp "$root/sample/setup.bmp" "$run/disc/" && printf 'data' >"$run/disc/GAME/data/a.dat"
printf '#TITLE 別の題\r\n#PATH GAME\r\n#DEFDIR d:\\Other\r\n#EXE game.exe\r\n#REG_S Other\r\n#INSTALL_LST\r\n[EXE] exe\r\n[DATA] data\r\n##\r\n#INSTALL_S\r\n[EXE]\r\n##\r\n#INSTALL_B\r\n[EXE]\r\n[DATA]\r\n##\r\n#FILE\r\n[EXE]\r\ngame.exe\r\n[DATA]\r\ndata\\a.dat\r\n##\r\n' |
  iconv -f UTF-8 -t CP932 >"$run/disc/setup.ini"
export DEMO_BUILD_DIR=$build DEMO_WINEPREFIX=$WINEPREFIX DEMO_OUT=$run DEMO_WAIT=15
failures=0
# NAME|SETUP_EXE (a command writing it, or : for none)|STATUS|TEXTS of the output, ; apart
while IFS='|' read -r name setup status texts; do
  rm -f "$run/disc/setup.exe" && eval "$setup"
  got=0 && out=$(env -u DISPLAY bash "$root/scripts/demo.sh" "$run/disc" 2>&1) || got=$?
  IFS=";" read -ra wanted <<<"${texts//RUNDIR/$run}"
  for text in "${wanted[@]}"; do
    grep -qF -- "$text" <<<"$out" && [ "$got" -eq "$status" ] && continue
    echo "FAILED: $name gave $got, wanted $status and \"$text\":" && echo "$out"
    failures=$((failures + 1)) && break
  done
done <<'CASES'
32-bit|printf 'MZ%58s\x40\x00\x00\x00PE\x00\x00\x4c\x01' '' >"$run/disc/setup.exe"|0|is a 32-bit build (PE machine 0x14c);walking "別の題";install into T:\Other\GAME;demo-screenshots/4-installed.png;demo-screenshots/6-uninstalled.png;walked
none|:|0|has no setup.exe at its root;demo-screenshots/5-uninstall-question.png;walked
no-window|cp "$run/disc/GAME/game.exe" "$run/disc/setup.exe"|1|no window captioned "別の題" (the disc's TITLE) appeared in 15 s;the screen then: RUNDIR/demo-screenshots/failed.png
CASES
[ "$failures" -eq 0 ] && echo "demo: every case as expected"
exit $((failures > 0))
