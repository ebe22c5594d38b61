#!/usr/bin/env bash
# Lays out the sample disc as it would be pressed: sample/ without the game's source, the
# built stub game padded to 65,536 bytes (the same size labels whichever compiler built it),
# setup.exe in the root, every file read-only as on a CD.
#   stage-disc.sh SAMPLE_DIR OUT_DIR GAME_EXE SETUP_EXE
set -euo pipefail
sample=$1 out=$2 game=$3 setup=$4
[ "$(stat -c %s "$game")" -le 65536 ] || { echo "stage-disc: $game is over 65,536 bytes" >&2; exit 1; }
# shellcheck source=own-folder.sh
source "$(dirname "${BASH_SOURCE[0]}")/own-folder.sh"
# The marker stands beside the disc, not in it: the disc holds only what would be pressed.
make_own_folder "$out" "$out$OWN_FOLDER_MARKER"
cp -r "$sample/." "$out"
rm -rf "$out/game-src" "$out/.gitattributes"
cp "$game" "$out/HOSHIMI/game.exe"
truncate -s 65536 "$out/HOSHIMI/game.exe"
cp "$setup" "$out/setup.exe"
find "$out" -type f -exec chmod a-w {} +
