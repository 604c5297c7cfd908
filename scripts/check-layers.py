#!/usr/bin/env python3
"""Fails when a source file of the core includes a folder above its own layer.

The layers, lowest first: platform, text, files, settings and windows (side by side), commands,
app. A folder includes only folders below it; commands may also use the control IDs. The Win32
layer (src/platform/win32) sits apart and may include anything.
"""
import pathlib
import re
import sys

RANKS = {"platform": 0, "text": 1, "files": 2, "settings": 3, "windows": 3, "commands": 4, "app": 5}
# The control IDs live with the dialog's resource script, and the handlers address controls by them.
ALLOWED = {("commands", "app/resource.h")}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def violations(src):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or "win32" in path.relative_to(src).parts:
            continue
        layer = path.relative_to(src).parts[0]
        if layer not in RANKS:
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            to = target.split("/")[0]
            if to not in RANKS or to == layer or (layer, target) in ALLOWED:
                continue
            if RANKS[to] >= RANKS[layer]:
                yield f"{path.relative_to(src.parent)}:{number}: {layer}/ includes {target}"


def main():
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    found = list(violations(src))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) run upward or sideways across the layers")
        return 1
    print("layers: every include runs downward")
    return 0


if __name__ == "__main__":
    sys.exit(main())
