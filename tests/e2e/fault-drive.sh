# A 4 MiB file system as hard-disk drive S:, for the disk-full scenario; sourced by run-e2e.sh
# after wine-env.sh. Where mounting is refused the scenario skips itself.
small_drive_dir=""

small_drive_up() {
  local dir=$1/s-drive reason
  mkdir -p "$dir"
  if reason=$(mount -t tmpfs -o size=4m tmpfs "$dir" 2>&1); then
    small_drive_dir=$dir
    wine_map_drive s "$dir" hd
  else
    echo "SKIP disk-full: cannot mount a small file system: ${reason:-refused}"
  fi
}

# A run that was killed may have left its small drive mounted inside the run folder.
small_drive_left_over() {
  if mountpoint -q "$1/s-drive" 2>/dev/null; then umount -l "$1/s-drive" || true; fi
}

small_drive_down() {
  wine_unmap_drive s || true
  if [ -n "$small_drive_dir" ]; then
    umount "$small_drive_dir" 2>/dev/null || umount -l "$small_drive_dir" 2>/dev/null || true
    small_drive_dir=""
  fi
}
