#!/usr/bin/env bash
# Runs the launcher on the bundled sample disc (sample/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset native >/dev/null
cmake --build build/native -j "$(nproc)" --target setup-check >/dev/null
./build/native/bin/setup-check sample
