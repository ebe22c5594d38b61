#!/usr/bin/env bash
# Runs a Windows test program with the drives its tests expect (L: the disc, W: the install
# target), then removes them, so that the end-to-end tests sharing this prefix see only theirs.
# usage: drives.sh PROGRAM [ARGS...]   (WINEPREFIX names the prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../../scripts/wine-env.sh
source "$here/../../../scripts/wine-env.sh"
# shellcheck source=../../../scripts/own-folder.sh
source "$here/../../../scripts/own-folder.sh"

root="$(dirname "$WINEPREFIX")/win32-drives"
drives=("h cdrom" "i hd BV" "j cdrom bv" "k cdrom BVX" "l cdrom BV" "m cdrom BV" "w hd")
# Wine's mount manager reads drive types and labels when its server starts, hence the restarts.
cleanup() {
  for drive in "${drives[@]}"; do wine_unmap_drive "${drive%% *}"; done
  remove_own_folder "$root"
  wine_restart_server && wine_up
}
make_own_folder "$root"
trap cleanup EXIT
for drive in "${drives[@]}"; do
  read -r letter type label <<<"$drive"
  # H: has no folder behind it: a drive without a disc.
  [ "$letter" = h ] || mkdir -p "$root/$letter"
  wine_map_drive "$letter" "$root/$letter" "$type" "$label"
done
# Links on W: to the Windows folder and to I:'s root, which no install may reach by another name.
ln -s "$WINEPREFIX/drive_c/windows" "$root/w/to-windows"
ln -s "$root/i" "$root/w/to-i"
wine_restart_server && wine_up

"$here/../../../scripts/wine-run.sh" "$@"
