#!/usr/bin/env bash
# kill-test.sh PREFIX BUILD_DIR [kill-test.py options]
# Runs the kill test on a private virtual display with openbox and the Wine prefix PREFIX; the
# programs come from BUILD_DIR (the mingw build). Stops every process it started.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-desktop.sh"

prefix=$1
build=$(realpath "$2")
shift 2
wine_desktop_start "$prefix" || exit 1
trap wine_desktop_stop EXIT
python3 "$here/kill-test.py" --build "$build" "$@"
