#!/usr/bin/env bash
# Builds Tilora.exe and starts it under Wine in build/run (its folders are created there).
# Without a display it runs on a virtual one, saves a screenshot, says where and closes again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" --target Tilora

. scripts/wine-desktop.sh
workdir="$root/build/run"
mkdir -p "$workdir"

if [ -n "${DISPLAY:-}" ]; then
    wine_desktop_prepare_prefix "$root/build/wineprefix-run"
    cd "$workdir"
    exec wine "$root/build/mingw/Tilora.exe"
fi

wine_desktop_start "$root/build/wineprefix-run"
trap wine_desktop_stop EXIT
(cd "$workdir" && exec wine "$root/build/mingw/Tilora.exe") >/dev/null 2>&1 &
sleep 5
screenshot="$workdir/tilora-screenshot.png"
wine_desktop_screenshot "$screenshot"
echo "Tilora ran on the virtual display $WINE_DESKTOP_DISPLAY in $workdir."
echo "Screenshot: $screenshot"
