#!/usr/bin/env bash
# make-disc on the staged sample: the image verifies; a disc with an error is refused with no
# image; an image read against a disc folder that lists a file it lacks, that has another
# size for a file, or an image of another label, fails with the difference named.
#   make-disc-test.sh SETUP_CHECK SCRATCH_DIR
set -euo pipefail
export SETUP_CHECK=$1
scratch=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
make_disc=$here/../../tools/make-disc/make-disc
command -v xorriso >/dev/null || { echo "xorriso is not installed: skipped"; exit 77; }

if [ -d "$scratch" ]; then chmod -R u+w "$scratch" && rm -rf "$scratch"; fi
mkdir -p "$scratch"
printf 'MZ stand-in' >"$scratch/game.exe"
printf 'MZ stand-in launcher' >"$scratch/setup.exe"
bash "$here/../../scripts/stage-disc.sh" "$here/../../sample" "$scratch/disc" "$scratch/game.exe" \
  "$scratch/setup.exe"
# A copy of the staged disc to change: copy_disc NAME
copy_disc() { cp -r "$scratch/disc" "$scratch/$1" && chmod -R u+w "$scratch/$1"; }

failures=0
# expect STATUS TEXT COMMAND...: the exit status and a line of the output.
expect() {
  local status=$1 text=$2 out
  shift 2
  set +e
  out=$("$@" 2>&1)
  local got=$?
  set -e
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" <<<"$out"; then
    echo "FAILED: $* gave $got, wanted $status and \"$text\":"
    echo "$out"
    failures=$((failures + 1))
  fi
}

expect 0 "sample.iso verified: label BV, 3 root files, 11 listed files" \
  "$make_disc" "$scratch/disc" "$scratch/sample.iso"
expect 0 "  ok    HOSHIMI\\cg16\\表紙.dat: 64001 bytes" \
  "$make_disc" --verify "$scratch/sample.iso" "$scratch/disc"

copy_disc broken
printf '#FILE\r\n[DATA]\r\nmissing.dat\r\n' >>"$scratch/broken/setup.ini"
expect 1 "found 1 error(s) in $scratch/broken/setup.ini: no image written" \
  "$make_disc" "$scratch/broken" "$scratch/broken.iso"
[ ! -e "$scratch/broken.iso" ] && [ ! -e "$scratch/broken.iso.part" ] ||
  { echo "FAILED: an image was left for the broken disc"; failures=$((failures + 1)); }

copy_disc more
printf 'x' >"$scratch/more/HOSHIMI/extra.dat"
printf '#FILE\r\n[DATA]\r\nextra.dat\r\n' >>"$scratch/more/setup.ini"
expect 1 "DIFF  HOSHIMI\\extra.dat: missing from the image (1 bytes in the folder)" \
  "$make_disc" --verify "$scratch/sample.iso" "$scratch/more"

copy_disc resized
truncate -s 5 "$scratch/resized/HOSHIMI/sound/bgm01.dat"
expect 1 "DIFF  HOSHIMI\\sound\\bgm01.dat: 700001 bytes, 5 bytes in the disc folder" \
  "$make_disc" --verify "$scratch/sample.iso" "$scratch/resized"

xorriso -report_about WARNING -outdev "$scratch/bv.iso" -volid bv -joliet on -map "$scratch/disc" / \
  >/dev/null 2>&1
expect 1 "DIFF  volume label 'bv' (the launcher looks for 'BV')" \
  "$make_disc" --verify "$scratch/bv.iso" "$scratch/disc"

[ "$failures" -eq 0 ] && echo "make-disc: every case as expected"
exit $((failures > 0))
