#!/usr/bin/env bash
# make-disc on the staged sample: what it writes, verifies and refuses (nothing written),
# and stage-disc's refusal of a folder no script made.
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
fake_pe() { python3 "$here/fake-pe.py" "$@"; }
printf 'MZ stand-in' >"$scratch/game.exe"
fake_pe 14c 2 'Setup launcher' "$scratch/setup.exe"
bash "$here/../../scripts/stage-disc.sh" "$here/../../sample" "$scratch/disc" "$scratch/game.exe" \
  "$scratch/setup.exe"

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

# The sample lists a file of no type on purpose: it ships only with that warning accepted.
expect 0 "sample.iso verified: label BV, 4 root files, 11 listed files" \
  "$make_disc" --accept-warnings=long-line,file-of-no-type "$scratch/disc" "$scratch/sample.iso"
# The disc starts itself: autorun.inf, code page 932 with CR LF, names the launcher and the title.
xorriso -report_about WARNING -osirrox on -indev "$scratch/sample.iso" -extract /autorun.inf \
  "$scratch/autorun.inf" >/dev/null 2>&1
[ "$(iconv -f CP932 -t UTF-8 "$scratch/autorun.inf")" = "$(printf '[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\nlabel=星見の丘\r')" ] ||
  { echo "FAILED: autorun.inf is: $(od -c "$scratch/autorun.inf")"; failures=$((failures + 1)); }
expect 0 "  ok    autorun.inf: starts setup.exe, labelled with the TITLE" \
  "$make_disc" --verify "$scratch/sample.iso" "$scratch/disc"

# A folder stage-disc did not make is refused and left as it was.
mkdir -p "$scratch/theirs" && printf 'keep' >"$scratch/theirs/file"
expect 1 "refusing to remove $scratch/theirs: it has no" bash "$here/../../scripts/stage-disc.sh" \
  "$here/../../sample" "$scratch/theirs" "$scratch/game.exe" "$scratch/setup.exe"
[ "$(ls -A "$scratch/theirs")" = file ] && [ "$(cat "$scratch/theirs/file")" = keep ] ||
  { echo "FAILED: stage-disc changed a folder it did not make"; failures=$((failures + 1)); }

# A small disc of a publisher's: gen_disc DIR EXE_NAME
gen_disc() {
  mkdir -p "$1/G" && cp "$scratch/setup.exe" "$1/setup.exe" && cp "$here/../../sample/setup.bmp" "$1/" &&
    printf 'x' >"$1/G/A.dat"
  printf '#TITLE Other\r\n#PATH G\r\n#EXE %s\r\n#INSTALL_LST\r\n[A] a\r\n##\r\n#INSTALL_S\r\n[A]\r\n##\r\n#INSTALL_B\r\n[A]\r\n##\r\n#FILE\r\n[A]\r\nA.dat\r\n##\r\n' "$2" >"$1/setup.ini"
}
# A generated disc, changed, then made: NAME|EXE|CHANGE|OPTIONS|STATUS|TEXT. Only the accepted
# ones leave an image: an error or a warning without a yes refuses, --dry-run only checks.
mkdir -p "$scratch/out"
while IFS='|' read -r name exe change options status text; do
  gen_disc "$scratch/$name" "$exe" && (cd "$scratch/$name" && eval "$change")
  # shellcheck disable=SC2086
  expect "$status" "$text" "$make_disc" $options "$scratch/$name" "$scratch/out/$name.iso"
done <<EOF
broken|A.dat|printf '#FILE\r\nmissing.dat\r\n' >>setup.ini||1|found 1 error(s) in $scratch/broken/setup.ini: no image written
unlisted|b.exe|:||1|EXE b.exe is not among the files setup.ini lists: no image written
nosetup|a.dat|rm setup.exe|--accept-warnings|1|: copy the launcher there; the build leaves the shipped 32-bit one, which runs on every Windows, at build/mingw-i686/bin/setup.exe
nobmp|a.dat|rm setup.bmp|--accept-warnings|1|no setup.bmp at the root of
x86_64|A.dat|fake_pe 8664 2 'Setup launcher' setup.exe||1|setup.ini: error: setup.exe is a 64-bit (x86_64) program, which 32-bit Windows cannot start
warned|A.dat|printf '#TITEL x\r\n' >>setup.ini||1|setup.ini:17: warning: "#TITEL" is read as a comment line; the keyword is #TITLE [keyword-as-comment]
other|A.dat|fake_pe 14c 2 'Other setup' setup.exe|--accept-warnings=keyword-as-comment|1|setup-check reported 1 warning(s) above: no image written; pass --accept-warnings to ship them as they are, or --accept-warnings=setup-exe-other-launcher to accept only these
cdfull|a.dat|truncate -s 809M G/A.dat||1|414507 sectors, more than the 360000 of an 80-minute CD: no image written
dvdfull|a.dat|truncate -s 4500M G/movie.dat|--media dvd --accept-warnings=unlisted-file|1|2304300 sectors, more than the 2295104 of a DVD: no image written
cd74|A.DAT|truncate -s 690M G/A.dat|--dry-run|0|warning: 353579 sectors, more than the 333000 of a 74-minute CD
cd|A.DAT|truncate -s 1M G/A.dat|--dry-run|0|sectors of 2048 bytes fit a 74-minute CD
dvd|A.DAT|truncate -s 809M G/A.dat|--dry-run --media dvd|0|414507 sectors of 2048 bytes fit a DVD
upper|A.DAT|mv setup.exe SETUP.EXE||0|ok    setup.exe: 384 bytes
yes|A.DAT|printf '#TITEL x\r\n' >>setup.ini|--accept-warnings|0|out/yes.iso verified: label BV, 4 root files, 1 listed files
rule|A.DAT|printf '#TITEL x\r\n' >>setup.ini|--accept-warnings=long-line,keyword-as-comment|0|out/rule.iso verified
tests|A.DAT|fake_pe 8664 2 'Setup launcher' setup.exe|--x86_64-for-testing|0|out/tests.iso verified
own|A.DAT|printf '[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\nlabel=Mine\r\n' >autorun.inf||0|ok    autorun.inf: 57 bytes
EOF
[ "$(ls "$scratch/out" | tr '\n' ' ')" = "own.iso rule.iso tests.iso upper.iso yes.iso " ] ||
  { echo "FAILED: out/ holds $(ls -A "$scratch/out")"; failures=$((failures + 1)); }

# An image read against a changed disc folder names the difference: NAME;CHANGE;TEXT
while IFS=';' read -r name change text; do
  cp -r "$scratch/disc" "$scratch/$name" && chmod -R u+w "$scratch/$name"
  (cd "$scratch/$name" && eval "$change")
  expect 1 "$text" "$make_disc" --verify "$scratch/sample.iso" "$scratch/$name"
done <<'EOF'
flipped;printf Z | dd of=HOSHIMI/sound/bgm01.dat bs=1 seek=4096 conv=notrunc status=none;DIFF  HOSHIMI\sound\bgm01.dat: 700001 bytes, other bytes than in the disc folder
more;printf x >HOSHIMI/extra.dat && printf '#FILE\r\n[DATA]\r\nextra.dat\r\n' >>setup.ini;DIFF  HOSHIMI\extra.dat: missing from the image (1 bytes in the folder)
resized;truncate -s 5 HOSHIMI/sound/bgm01.dat;DIFF  HOSHIMI\sound\bgm01.dat: 700001 bytes, 5 bytes in the disc folder
EOF
! compgen -G "$scratch/*.iso.*" || { echo "FAILED: a read-back folder was left"; failures=$((failures + 1)); }

xorriso -report_about WARNING -outdev "$scratch/bv.iso" -volid bv -joliet on -map "$scratch/disc" / \
  >/dev/null 2>&1
expect 1 "DIFF  volume label 'bv' (the launcher looks for 'BV')" \
  "$make_disc" --verify "$scratch/bv.iso" "$scratch/disc"

[ "$failures" -eq 0 ] && echo "make-disc: every case as expected"
exit $((failures > 0))
