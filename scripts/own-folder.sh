#!/usr/bin/env bash
# Scratch folders the scripts make and remove again. Each holds a marker file when one of
# them made it, and no folder without the marker is removed: a wrong path costs no one's files.
#   make_own_folder DIR [MARKER]    remove DIR if it is ours, then make it afresh, marked
#   remove_own_folder DIR [MARKER]  remove DIR (read-only files too) if it is ours
# MARKER is DIR/.made-by-launcher-scripts unless named (a staged disc keeps it beside itself).
# Sourced by the scripts that use it.
OWN_FOLDER_MARKER=.made-by-launcher-scripts

remove_own_folder() {
  local dir=$1 marker=${2:-$1/$OWN_FOLDER_MARKER}
  if [ ! -e "$dir" ] && [ ! -L "$dir" ]; then return 0; fi
  if [ -L "$dir" ] || [ ! -d "$dir" ]; then
    echo "${0##*/}: refusing to remove $dir: it is no folder of its own (a link or a file)" >&2
    return 1
  fi
  if [ ! -f "$marker" ]; then
    echo "${0##*/}: refusing to remove $dir: it has no $marker, so no script here made it" \
      "(remove it yourself if it is a leftover, or name another folder)" >&2
    return 1
  fi
  chmod -R u+w "$dir"
  rm -rf "$dir"
  rm -f "$marker"
}

make_own_folder() {
  local dir=$1 marker=${2:-$1/$OWN_FOLDER_MARKER}
  remove_own_folder "$dir" "$marker" || return 1
  mkdir -p "$dir"
  : >"$marker"
}
