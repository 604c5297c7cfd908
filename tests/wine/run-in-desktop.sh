#!/usr/bin/env bash
# run-in-desktop.sh PREFIX PROGRAM.exe [ARGS...]
# Runs a Windows program under Wine on a private virtual display with openbox, then stops
# every process it started. The Wine prefix is created on first use and reused afterwards.
# TILORA_DESKTOP=two-monitors gives the display two monitors side by side.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/wine-desktop.sh"

prefix=$1
shift
wine_desktop_start "$prefix" "${TILORA_DESKTOP:-}" || exit 1
trap wine_desktop_stop EXIT
# Wine's helper processes inherit the program's output: a pipe would stay open after the
# program ends, so the output goes through a file.
output=$(mktemp)
wine "$@" >"$output" 2>&1
status=$?
tr -d '\r' <"$output"
rm -f "$output"
exit "$status"
