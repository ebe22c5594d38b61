#!/usr/bin/env bash
# Builds every preset and runs every test: native unit tests (plain and sanitized), short
# fuzz runs, Windows tests and end-to-end scenarios under wine64, and the import check of
# the shipped i686 launcher. One preset at a time, built then tested, so that a preset that
# cannot build hides no other preset's result. The last line names each preset's result;
# the exit code is 0 only when every preset passed.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh || { echo "test.sh: bootstrap failed" >&2; exit 1; }

jobs=$(nproc)
mkdir -p build

# The compiler each preset needs, and for the Windows tests the Wine that runs them.
missing_tool() {
  local tools
  case $1 in
    native | native-sanitize) tools="g++" ;;
    fuzz) tools="clang++-14" ;;
    mingw-x86_64) tools="x86_64-w64-mingw32-g++ /usr/lib/wine/wine64" ;;
    mingw-i686) tools="i686-w64-mingw32-g++" ;;
  esac
  for tool in $tools; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool"; return; }
  done
}

build() {
  local log="build/$1.log"
  if ! { cmake --preset "$1" && cmake --build "build/$1" -j "$jobs"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    return 1
  fi
  # Warnings are errors in our own code; show any other compiler chatter.
  grep -iE 'warning' "$log" | grep -v googletest | head -n 20 || true
}

# A preset that registers no test fails: a run of nothing is no pass. Tests that skip
# themselves (without root, or without xorriso) are named in the result; ctest's output
# above them says why.
run_ctest() {
  local log="build/$1.test.log"
  ctest --test-dir "build/$1" --output-on-failure --no-tests=error -j "$2" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  skipped=$(grep -oE 'Test +#[0-9]+: [^ ]+ [ .]*\*+Skipped' "$log" | awk '{print $3}' | paste -sd, -)
  return "$status"
}

results=()
status=0
# Fuzz and Wine runs one test at a time: they share one prefix or use a whole core each.
for entry in native:"$jobs" native-sanitize:"$jobs" fuzz:1 mingw-x86_64:1 mingw-i686:"$jobs"; do
  preset=${entry%%:*} parallel=${entry#*:}
  tool=$(missing_tool "$preset")
  if [ -n "$tool" ]; then
    echo "== $preset: skipped, no $tool"
    results+=("$preset skipped (no $tool)")
    status=1
    continue
  fi
  echo "== $preset: build"
  if ! build "$preset"; then
    echo "== $preset: build failed (full log: build/$preset.log)"
    results+=("$preset failed (build, build/$preset.log)")
    status=1
    continue
  fi
  echo "== $preset: tests"
  if run_ctest "$preset" "$parallel"; then
    results+=("$preset passed${skipped:+ (tests skipped: $skipped)}")
  else
    results+=("$preset failed (tests, build/$preset.test.log)")
    status=1
  fi
done

summary=$(printf '%s; ' "${results[@]}")
echo "test.sh: ${summary%; }"
exit $status
