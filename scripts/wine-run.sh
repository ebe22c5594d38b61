#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine, in the prefix WINEPREFIX names.
# CMake uses this as the emulator of the x86_64 cross build.
set -euo pipefail
# shellcheck source=wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec "$WINE64" "$@"
