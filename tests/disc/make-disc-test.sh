#!/usr/bin/env bash
# make-disc on the staged sample: the image verifies; a disc with an error, an unlisted EXE,
# no setup.exe or setup.bmp, or too big for its media is refused with nothing written; an
# image read against a disc folder that lists a file it lacks, that has another size or one
# other byte in a file, or an image of another label, fails with the difference named.
# stage-disc refuses a folder no script made and leaves it as it was.
#   make-disc-test.sh SETUP_CHECK SCRATCH_DIR
set -euo pipefail
export SETUP_CHECK=$1
scratch=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
make_disc=$here/../../tools/make-disc/make-disc
command -v xorriso >/dev/null || { echo "xorriso is not installed: skipped"; exit 77; }

# shellcheck source=../../scripts/own-folder.sh
source "$here/../../scripts/own-folder.sh"
make_own_folder "$scratch"
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

# A folder stage-disc did not make is refused and left as it was.
mkdir -p "$scratch/theirs" && printf 'keep' >"$scratch/theirs/file"
expect 1 "refusing to remove $scratch/theirs: it has no" bash "$here/../../scripts/stage-disc.sh" \
  "$here/../../sample" "$scratch/theirs" "$scratch/game.exe" "$scratch/setup.exe"
[ "$(ls -A "$scratch/theirs")" = file ] && [ "$(cat "$scratch/theirs/file")" = keep ] ||
  { echo "FAILED: stage-disc changed a folder it did not make"; failures=$((failures + 1)); }

copy_disc broken
printf '#FILE\r\n[DATA]\r\nmissing.dat\r\n' >>"$scratch/broken/setup.ini"
expect 1 "found 1 error(s) in $scratch/broken/setup.ini: no image written" \
  "$make_disc" "$scratch/broken" "$scratch/broken.iso"
[ ! -e "$scratch/broken.iso" ] && [ ! -e "$scratch/broken.iso.part" ] ||
  { echo "FAILED: an image was left for the broken disc"; failures=$((failures + 1)); }

# A small disc of a publisher's: gen_disc DIR EXE_NAME
gen_disc() {
  mkdir -p "$1/G" && printf 'MZ' >"$1/setup.exe" && printf 'BM' >"$1/setup.bmp" && printf 'x' >"$1/G/A.dat"
  printf '#TITLE Other\r\n#PATH G\r\n#EXE %s\r\n#INSTALL_LST\r\n[A] a\r\n##\r\n#INSTALL_S\r\n[A]\r\n##\r\n#INSTALL_B\r\n[A]\r\n##\r\n#FILE\r\n[A]\r\nA.dat\r\n##\r\n' "$2" >"$1/setup.ini"
}
# Each refused with nothing written: NAME|EXE|CHANGE|OPTIONS|TEXT
mkdir -p "$scratch/out"
while IFS='|' read -r name exe change options text; do
  gen_disc "$scratch/$name" "$exe" && (cd "$scratch/$name" && eval "$change")
  # shellcheck disable=SC2086
  expect 1 "$text" "$make_disc" $options "$scratch/$name" "$scratch/out/$name.iso"
done <<'EOF'
unlisted|b.exe|:||EXE b.exe is not among the files setup.ini lists: no image written
nosetup|a.dat|rm setup.exe||no setup.exe at the root of
nosetup|a.dat|rm setup.exe||build/mingw-i686/bin/setup.exe
nobmp|a.dat|rm setup.bmp||no setup.bmp at the root of
cdfull|a.dat|truncate -s 809M G/A.dat||414394 sectors, more than the 360000 of an 80-minute CD: no image written
dvdfull|a.dat|truncate -s 4500M G/movie.dat|--media dvd|2304187 sectors, more than the 2295104 of a DVD: no image written
EOF
[ -z "$(ls -A "$scratch/out")" ] || { echo "FAILED: left in out/: $(ls -A "$scratch/out")"; failures=$((failures + 1)); }
# Fits, checked without writing: NAME|SIZE|OPTIONS|TEXT
while IFS='|' read -r name size options text; do
  gen_disc "$scratch/$name" A.DAT && truncate -s "$size" "$scratch/$name/G/A.dat"
  # shellcheck disable=SC2086
  expect 0 "$text" "$make_disc" --dry-run $options "$scratch/$name" "$scratch/out/$name.iso"
done <<'EOF'
cd74|690M||warning: 353466 sectors, more than the 333000 of a 74-minute CD
dvd|809M|--media dvd|414394 sectors of 2048 bytes fit a DVD
EOF
[ -z "$(ls -A "$scratch/out")" ] || { echo "FAILED: --dry-run wrote $(ls -A "$scratch/out")"; failures=$((failures + 1)); }

copy_disc flipped
printf 'Z' | dd of="$scratch/flipped/HOSHIMI/sound/bgm01.dat" bs=1 seek=4096 conv=notrunc status=none
expect 1 "DIFF  HOSHIMI\\sound\\bgm01.dat: 700001 bytes, other bytes than in the disc folder" \
  "$make_disc" --verify "$scratch/sample.iso" "$scratch/flipped"
! compgen -G "$scratch/*.iso.*" || { echo "FAILED: a read-back folder was left"; failures=$((failures + 1)); }

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
