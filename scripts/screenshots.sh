#!/usr/bin/env bash
# Takes the pictures of the dialog that the manuals and README.md show: Tilora.exe runs under
# Wine on a private virtual display, once in English and once in German, and its window is saved
# as docs/images/dialog-en.png and docs/images/dialog-de.png.
#   scripts/screenshots.sh [path/to/Tilora.exe]     (default: build/mingw/Tilora.exe)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/mingw/Tilora.exe}")
[ -f "$exe" ] || { echo "No $exe: build it with 'cmake --build --preset mingw --target Tilora'" >&2; exit 1; }

. "$root/scripts/wine-desktop.sh"
work=$(mktemp -d)
cleanup() { wine_desktop_stop; rm -rf "$work"; }
trap cleanup EXIT
wine_desktop_start "$root/build/wineprefix-screenshots"

title="Tilora v1.09 (b)"
shoot() {
    local language=$1 picture=$2 folder="$work/$1" pid waited=0
    mkdir -p "$folder/_Settings"
    # The language comes from the settings file, as it does for a user who switched it before.
    printf 'Language = %s\r\nStartPosition = 0,0\r\nTopmost = False\r\nMinimize = False\r\nExcludeMax = \r\n' \
        "$language" >"$folder/_Settings/Settings.txt"
    (cd "$folder" && exec wine "$exe") >/dev/null 2>&1 &
    pid=$!
    until xwd -name "$title" -display "$WINE_DESKTOP_DISPLAY" -silent >/dev/null 2>&1; do
        sleep 0.5
        waited=$((waited + 1))
        [ "$waited" -lt 60 ] || { echo "Tilora's dialog did not appear" >&2; return 1; }
    done
    # The first timer tick writes the start-up report into the list box.
    while [ ! -s "$(ls "$folder"/_Exports/SaveAuto_*.txt 2>/dev/null | head -n1)" ]; do
        sleep 0.5
        waited=$((waited + 1))
        [ "$waited" -lt 80 ] || { echo "Tilora did not write its start-up report" >&2; return 1; }
    done
    sleep 1
    xwd -name "$title" -display "$WINE_DESKTOP_DISPLAY" -silent | convert xwd:- "$picture"
    kill "$pid" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 || true
    echo "$picture"
}

mkdir -p "$root/docs/images"
shoot English "$root/docs/images/dialog-en.png"
shoot German "$root/docs/images/dialog-de.png"
