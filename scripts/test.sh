#!/usr/bin/env bash
# Runs every test: the unit tests of the core (native, sanitizers on), 20 seconds of fuzzing per
# parser, then Tilora.exe's Windows tests under Wine on a private virtual display. The mingw build
# also makes the manuals; the release zip is packed into build/mingw and tested unpacked.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# No include may run upward across the layers of the core.
python3 scripts/check-layers.py --self-test
python3 scripts/check-layers.py

jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

# Each parser of user text under libFuzzer for 20 seconds (clang, sanitizers on).
scripts/fuzz.sh 20

cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
(cd build/mingw && cpack >/dev/null && echo "Release zip: build/mingw/Tilora-1.09-win64.zip")
ctest --preset mingw
