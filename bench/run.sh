#!/usr/bin/env bash
# Prints the launcher's figures in one run: install time against the one-file-per-tick floor,
# start-up against a minimal window program and a stock installer (bench/peer.nsi, built when
# makensis is installed: apt-get install nsis) with its breakdown, and the size and imports
# of setup.exe, and a 1 GiB copy by the launcher's routine against CopyFileW.
# Figures only: nothing here passes or fails on a number.
#   bash bench/run.sh
# BENCH_X64_BUILD / BENCH_I686_BUILD pick other build folders, BENCH_RUNS the runs per install
# figure (default 5; start-up takes twice that and one), BENCH_ONLY=install|startup|copy one group.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh

x64=${BENCH_X64_BUILD:-build/mingw-x86_64}
i686=${BENCH_I686_BUILD:-build/mingw-i686}
runs=${BENCH_RUNS:-5}
only=${BENCH_ONLY:-}

build() {
  local preset=$1 dir=$2
  shift 2
  mkdir -p "$dir"
  if ! { cmake --preset "$preset" -B "$dir" && cmake --build "$dir" -j 2 --target "$@"; } \
      >"$dir/bench-build.log" 2>&1; then
    tail -n 40 "$dir/bench-build.log"
    echo "bench: build of $preset failed (log: $dir/bench-build.log)" >&2
    exit 1
  fi
}
echo "== building $x64 and $i686"
build mingw-x86_64 "$x64" setup bench_driver minimal_window startup_steps
build mingw-i686 "$i686" setup

work=$(realpath "$x64")/bench-run
# shellcheck source=../scripts/own-folder.sh
source scripts/own-folder.sh
make_own_folder "$work"
echo "== laying out the bench discs in $work"
if [ "$only" = "" ] || [ "$only" = install ]; then
  python3 bench/make_disc.py "$work/disc-50" 50 5000000 N50 "$x64/bin/setup.exe" sample/setup.bmp
  python3 bench/make_disc.py "$work/disc-250" 250 100000000 N250 "$x64/bin/setup.exe" \
    sample/setup.bmp
fi
# The stock installer of the start-up figure; its installer system is the one extra package.
if ! command -v makensis >/dev/null && [ "$(id -u)" = 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q nsis >"$work/nsis-install.log" 2>&1 || true
fi
stock=()
if command -v makensis >/dev/null; then
  cp bench/peer.nsi "$work/"
  if (cd "$work" && makensis -V1 peer.nsi) >"$work/makensis.log" 2>&1; then
    stock=("$work/peer-setup.exe")
  else
    echo "bench: makensis failed (log: $work/makensis.log); no stock installer figure" >&2
  fi
else
  echo "bench: makensis not installed (apt-get install nsis); no stock installer figure"
fi
python3 bench/make_disc.py "$work/disc-256" 256 1000000 N256 "$x64/bin/setup.exe" \
  sample/setup.bmp "$x64/bin/minimal_window.exe" "$x64/bin/startup_steps.exe" "${stock[@]}"

# The bench's own prefix, kept between runs of the bench (creating one takes a while).
export WINEPREFIX
WINEPREFIX=$(realpath "$x64")/bench-wineprefix
# Code page 932: the launcher's home system.
export LC_ALL=ja_JP.UTF-8
# shellcheck source=../scripts/wine-env.sh
source scripts/wine-env.sh
wine_up

cleanup() {
  wine_unmap_drive q || true
  wine_unmap_drive t || true
  wine_down
  wine_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM
wine_start_xvfb "$work"
wine_unattended

driver=$(winepath_of "$(realpath "$x64")/bin/bench_driver.exe")
status=0
# Each disc in Q: with a server started anew, which reads its label.
measure() {
  local disc=$1 what=$2 key=$3 count=$4
  mkdir -p "$work/t-drive"
  wine_map_drive q "$disc" cdrom BV
  wine_map_drive t "$work/t-drive" hd
  wine_restart_server
  "$WINESERVER" -p >/dev/null 2>&1
  "$WINE64" "$driver" "$what" --disc Q: --target T: --game BENCH --title 'Bench Disc' \
    --key "$key" --runs "$count" </dev/null || status=1
}

echo "== figures"
if [ "$only" = "" ] || [ "$only" = install ]; then
  measure "$work/disc-50" install 'Software\BenchWorks' "$runs"
  measure "$work/disc-250" install 'Software\BenchWorks' "$runs"
fi
if [ "$only" = "" ] || [ "$only" = startup ]; then
  # A start takes well under a second but varies more: twice the runs, and one.
  measure "$work/disc-256" startup 'Software\BenchWorks' $((2 * runs + 1))
fi
if [ "$only" = "" ] || [ "$only" = copy ]; then
  # Needs 2 GiB free on the build folder's disk for the time of the figure.
  measure "$work/disc-256" copy 'Software\BenchWorks' "$runs"
fi

allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|msvcrt)\.dll$'
for arch in i686 x86_64; do
  if [ "$arch" = i686 ]; then exe=$i686/bin/setup.exe; else exe=$x64/bin/setup.exe; fi
  stripped=$work/setup-$arch.exe
  "$arch-w64-mingw32-strip" -o "$stripped" "$exe"
  bytes=$(stat -c %s "$stripped")
  printf 'size, setup.exe %s stripped: %d bytes = %.1f KiB%s\n' "$arch" "$bytes" \
    "$(awk "BEGIN {print $bytes / 1024}")" "$([ "$arch" = i686 ] && echo '   target <= 65,536 bytes')"
  imports=$("$arch-w64-mingw32-objdump" -p "$stripped" | awk '/DLL Name:/ {print $3}')
  line="  imports:"
  for dll in $imports; do
    if echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      line="$line $dll"
    else
      line="$line $dll(NOT A SYSTEM DLL)"
    fi
  done
  echo "$line"
done

if [ ${#stock[@]} -gt 0 ]; then
  echo "size, stock installer (bench/peer.nsi): $(stat -c %s "${stock[0]}") bytes"
fi

echo "== machine"
echo "  cores: $(nproc); CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "  memory: $(free -h | awk '/^Mem:/ {print $2}'); kernel: $(uname -r)"
echo "  wine: $("$WINE64" --version 2>/dev/null); compiler: $(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
echo "  code page: 932 (LC_ALL=$LC_ALL); runs per install figure: $runs, per start-up figure: $((2 * runs + 1))"
exit $status
