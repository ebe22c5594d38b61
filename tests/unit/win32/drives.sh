#!/usr/bin/env bash
# Runs a Windows test program with the drives its tests expect, then removes them again,
# so that the end-to-end tests sharing this prefix see only their own disc:
#   H: CD-ROM without a disc    I: hard disk "BV"    J: CD-ROM "bv"     K: CD-ROM "BV" (the disc)
#   L: CD-ROM "BVX"             N: CD-ROM "BV"       W: hard disk, install target
# usage: drives.sh PROGRAM [ARGS...]   (WINEPREFIX names the prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
env_script="$here/../../../scripts/wine-env.sh"
# shellcheck source=../../../scripts/wine-env.sh
source "$env_script"

root="$(dirname "$WINEPREFIX")/win32-drives"
letters=(h i j k l n w)
# Wine's mount manager reads drive types and labels when its server starts: restart
# exactly this prefix's server after every change of the mapping.
restart_server() {
  wine_down
  "$WINESERVER" -w >/dev/null 2>&1 || true
  wine_up
}
cleanup() {
  for letter in "${letters[@]}"; do wine_unmap_drive "$letter"; done
  rm -rf "$root"
  restart_server
}
trap cleanup EXIT
rm -rf "$root"
mkdir -p "$root"/{i,j,k,l,n,w}

wine_map_drive h "$root/no-disc" cdrom
wine_map_drive i "$root/i" hd BV
wine_map_drive j "$root/j" cdrom bv
wine_map_drive k "$root/k" cdrom BV
wine_map_drive l "$root/l" cdrom BVX
wine_map_drive n "$root/n" cdrom BV
wine_map_drive w "$root/w" hd
restart_server

"$here/../../../scripts/wine-run.sh" "$@"
