#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine (Debian puts no wine64 on the PATH).
# CMake uses this as the emulator of the x86_64 cross build.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix (see scripts/wine-env.sh)}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
exec /usr/lib/wine/wine64 "$@"
