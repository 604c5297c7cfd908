#!/usr/bin/env bash
# Builds the libFuzzer targets of the parsers with clang (build/fuzz) and runs each, one after
# the other, for the given number of seconds (default 20) over its seed corpus in fuzz/corpus/.
# Inputs that reach new code are kept in build/fuzz/corpus/, so the repository's seeds stay as
# they are; an input that crashes, hangs or breaks a check is saved as build/fuzz/findings/<target>-*
# and the script fails.
#
#   scripts/fuzz.sh          # 20 seconds a target, as the test command runs it
#   scripts/fuzz.sh 600      # the 10-minute runs
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
targets=(text_decoding arrangement app_start_script settings user_size text_helpers)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

mkdir -p build/fuzz/findings build/fuzz/logs
for target in "${targets[@]}"; do
    work=build/fuzz/corpus/$target
    log=build/fuzz/logs/$target.log
    mkdir -p "$work"
    # -timeout turns a hang into a finding; -rss_limit_mb an input that eats memory.
    if ! "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$target-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target: finding saved in build/fuzz/findings/ (log: $log)" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    coverage=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1)
    echo "fuzz_$target: ${seconds}s, $runs runs, $rate exec/s, $coverage, no finding"
done
