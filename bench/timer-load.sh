#!/usr/bin/env bash
# bench/timer-load.sh [SECONDS] [TILORA_EXE]
# The processor time an idle Tilora costs under Wine, read from Linux: the utime and stime in
# /proc/<pid>/stat of Tilora.exe's Wine process and of the prefix's wineserver, which does the
# work of every call the dialog makes. tilora_timer_load_timing.exe sets the scene (30 notepad
# windows, then Tilora with a tool window in front, then with its dialog in front) and announces
# each phase; this script samples both processes over the phase and prints their share of one
# core. The phase without Tilora shows what the wineserver spends on the rest of the desktop; the
# bare-timer phase, what Wine spends on a window of the harness whose 500 ms timer does nothing
# (the floor of any program that ticks as the dialog does), in the harness's column.
# TILORA_EXE, a Linux path, times another build (for example an older one) in the same scene.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/mingw"
seconds=${1:-60}
exe_argument=()
. "$root/scripts/wine-desktop.sh"

wine_desktop_start "$build/wineprefix" || exit 1
trap wine_desktop_stop EXIT
if [ -n "${2:-}" ]; then exe_argument=("$(winepath -w "$(realpath "$2")" 2>/dev/null)"); fi

# The prefix's wineserver (wineserver64 on a 64-bit Wine) works in the prefix or, on other Wine
# versions, in a folder named after the prefix's device and inode.
prefix_path=$(realpath "$WINEPREFIX")
server_dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
wineserver_pid() {
    local pid
    for pid in $(pgrep -f 'wineserver'); do
        case "$(readlink "/proc/$pid/cwd")" in
            "$prefix_path" | */"$server_dir") echo "$pid"; return ;;
        esac
    done
}
# The Tilora started in this prefix: the process whose program (first argument) it is.
tilora_name=$(basename "${2:-Tilora.exe}")
tilora_pid() {
    local pid
    for pid in $(pgrep -f -- "$tilora_name"); do
        case "$(head -z -n1 "/proc/$pid/cmdline" 2>/dev/null | tr -d '\0')" in
            *"$tilora_name") ;;
            *) continue ;;
        esac
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
# utime + stime in clock ticks; 0 for no process.
cpu_ticks() {
    [ -n "$1" ] && [ -r "/proc/$1/stat" ] || { echo 0; return; }
    local rest
    rest=$(sed 's/^.*) //' "/proc/$1/stat")
    # After the name: state is field 3, utime field 14, stime field 15.
    awk '{ print $12 + $13 }' <<<"$rest"
}
hz=$(getconf CLK_TCK)
share() { awk -v t="$1" -v hz="$hz" -v s="$2" 'BEGIN { printf "%.3f", 100 * t / hz / s }'; }

output=$(mktemp)
wine "$build/tilora_timer_load_timing.exe" "$seconds" "${exe_argument[@]}" >"$output" 2>&1 &
harness=$!
lines_so_far() { tr -d '\r' <"$output" | grep .; }
seen=0
while kill -0 "$harness" 2>/dev/null || [ "$(lines_so_far | wc -l)" -gt "$seen" ]; do
    if [ "$(lines_so_far | wc -l)" -le "$seen" ]; then sleep 0.2; continue; fi
    seen=$((seen + 1))
    line=$(lines_so_far | sed -n "${seen}p")
    case "$line" in
        PHASE*)
            read -r _ name phase_seconds foreground <<<"$line"
            server=$(wineserver_pid)
            tilora=$(tilora_pid)
            harness_pid=$(pgrep -f 'tilora_timer_load_timing\.exe' | head -n1)
            server_before=$(cpu_ticks "$server")
            tilora_before=$(cpu_ticks "$tilora")
            harness_before=$(cpu_ticks "$harness_pid")
            start=$(date +%s.%N)
            sleep "$phase_seconds"
            wall=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
            server_used=$(($(cpu_ticks "$server") - server_before))
            tilora_used=$(($(cpu_ticks "$tilora") - tilora_before))
            harness_used=$(($(cpu_ticks "$harness_pid") - harness_before))
            [ -n "$server" ] || echo "no wineserver process found for $WINEPREFIX" >&2
            case "$name" in
                tool-in-front | dialog-in-front)
                    [ -n "$tilora" ] || echo "no $tilora_name process found for $WINEPREFIX" >&2 ;;
            esac
            printf '%-16s %s  harness %6s %%  Tilora %6s %%  wineserver %6s %%  Tilora + wineserver %6s %% of one core\n' \
                "$name" "$foreground" "$(share "$harness_used" "$wall")" "$(share "$tilora_used" "$wall")" \
                "$(share "$server_used" "$wall")" \
                "$(share $((tilora_used + server_used)) "$wall")"
            ;;
        *) echo "$line" ;;
    esac
done
wait "$harness"
status=$?
rm -f "$output"
exit "$status"
