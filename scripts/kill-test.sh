#!/usr/bin/env bash
# scripts/kill-test.sh [KILLS] [SEED]
# Builds Tilora.exe and the kill test's helpers with MinGW-w64 and kills Tilora KILLS times
# (default 100) in the middle of Save SD, SaveAs and its closing, on a private virtual display.
# The test suite runs the same test with fewer kills. A failed run prints its seed; giving it
# again repeats the run's choices.
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-100}
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" --target tilora_window_crowd tilora_kill_driver
args=(--rounds "$kills")
if [ $# -ge 2 ]; then args+=(--seed "$2"); fi
bash tests/kill/kill-test.sh build/mingw/wineprefix build/mingw "${args[@]}"
