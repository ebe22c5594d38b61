#!/usr/bin/env bash
# Runs every indented command of the README's publisher section, as written, on a generated
# game folder in a scratch folder that stands for this tree; then setup-check.exe, which the
# section names for Windows, on the same disc under Wine. Needs the native build's setup-check.
#   readme-test.sh BUILD_DIR RUN_DIR
set -euo pipefail
build=$(realpath "$1") run=$(realpath -m "$2")
root=$(realpath "$(dirname "$0")/../..")
[ -x "$root/build/native/bin/setup-check" ] || { echo "build/native is not built: skipped"; exit 77; }
# shellcheck source=../../scripts/own-folder.sh
source "$root/scripts/own-folder.sh"
make_own_folder "$run" && mkdir -p "$run/disc/GAME/data" "$run/build/mingw-i686/bin"
ln -s "$root/tools" "$root/scripts" "$run/" && ln -s "$root/build/native" "$run/build/"
if [ -f "$root/build/mingw-i686/bin/setup.exe" ]; then
  cp "$root/build/mingw-i686/bin/setup.exe" "$run/build/mingw-i686/bin/"
else  # the launcher's 32-bit GUI header stands in for it: the demo runs the x86_64 build instead
  python3 "$root/tests/disc/fake-pe.py" 14c 2 'Setup launcher' "$run/build/mingw-i686/bin/setup.exe"
fi
cp "$build/sample-disc/HOSHIMI/game.exe" "$run/disc/GAME/" && printf 'map' >"$run/disc/GAME/data/map.dat"
cp "$root/sample/setup.bmp" "$run/disc/" && chmod -R u+w "$run/disc"

export DEMO_BUILD_DIR=$build DEMO_WINEPREFIX=$WINEPREFIX DEMO_OUT=$run/out
commands=$(awk '/^## For the publisher/ { on = 1; next } /^## / { on = 0 } on' "$root/README.md" |
  sed -n 's/^    \(.*[^ ]\) *#.*$/\1/p; t; s/^    //p')
count=0
while IFS= read -r command; do
  count=$((count + 1))
  echo "readme: $command"
  (cd "$run" && env -u DISPLAY bash -c "$command" </dev/null >"$run/out-$count.log" 2>&1) ||
    { echo "FAILED: $command:" && cat "$run/out-$count.log" && exit 1; }
done <<<"$commands"
[ "$count" -ge 9 ] || { echo "FAILED: $count commands found in the publisher section"; exit 1; }
# shellcheck source=../../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
"$WINE64" "$build/bin/setup-check.exe" "$(winepath_of "$run/disc")" >"$run/windows.log" 2>&1 ||
  { echo "FAILED: setup-check.exe on the disc:" && cat "$run/windows.log" && exit 1; }
echo "readme: every publisher command ran"
