#!/usr/bin/env bash
# package-test.sh BUILD_DIR WINE_PREFIX TEST_PROGRAM.exe
# Packs the release zip with cpack, checks what it holds, unzips it into an empty folder and lets
# the test program start Tilora.exe from there under Wine.
set -euo pipefail
build=$1 prefix=$2 program=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >/dev/null
zip="$work/cpack/Tilora-1.09-win64.zip"
[ -f "$zip" ] || { echo "cpack made no $zip" >&2; exit 1; }

expected="Tilora.exe
_AppStartScripts/Example.csv
_Arrangements/Example.txt
_Help/Help.pdf
_Help/Hilfe.pdf
_License/MinGW-w64-runtime.txt
_License/Tilora-LICENSE.txt
_License/libstdc++-and-libgcc.txt
_License/winpthreads.txt"
actual=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
if [ "$actual" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    echo "The zip holds:" >&2
    echo "$actual" >&2
    exit 1
fi

mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped"
# Wine's drive Z: is the Unix root.
bash "$here/../wine/run-in-desktop.sh" "$prefix" "$program" "Z:${work//\//\\}\\unzipped"
