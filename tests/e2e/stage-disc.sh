#!/usr/bin/env bash
# Lays out the sample disc as it would be pressed: sample/ without the game's source, the
# built stub game in the game folder, setup.exe in the root, every file read-only as on a CD.
# The stub game is padded to 65,536 bytes, so that the disc's size labels are the same
# whichever compiler built it.
#   stage-disc.sh SAMPLE_DIR OUT_DIR GAME_EXE SETUP_EXE
set -euo pipefail
sample=$1 out=$2 game=$3 setup=$4
[ "$(stat -c %s "$game")" -le 65536 ] || { echo "stage-disc: $game is over 65,536 bytes" >&2; exit 1; }
[ -d "$out" ] && chmod -R u+w "$out"
rm -rf "$out"
mkdir -p "$out"
cp -r "$sample/." "$out/"
rm -rf "$out/game-src" "$out/.gitattributes"
cp "$game" "$out/HOSHIMI/game.exe"
truncate -s 65536 "$out/HOSHIMI/game.exe"
cp "$setup" "$out/setup.exe"
find "$out" -type f -exec chmod a-w {} +
