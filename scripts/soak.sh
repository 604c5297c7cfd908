#!/usr/bin/env bash
# scripts/soak.sh [HOURS]
# Builds the core natively with AddressSanitizer and runs HOURS (default 24) simulated hours of
# timer ticks on the fake clock; prints the log's size and the memory at 1, 6, 12 and HOURS
# hours. The test suite runs the same soak for 16 hours.
set -euo pipefail
cd "$(dirname "$0")/.."
hours=${1:-24}
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target tilora_soak_test
TIMEFORMAT='soak: %R s wall time'
time TILORA_SOAK_HOURS=$hours build/native/tests/soak/tilora_soak_test
