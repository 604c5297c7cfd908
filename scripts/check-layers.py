#!/usr/bin/env python3
"""Fails when a source file includes a folder above its own layer.

The layers, lowest first: platform, text, files, settings and windows (side by side), commands,
app. A folder includes only folders below it. Includes are resolved as the compiler finds them:
"layer/x.h", "../layer/x.h" and <layer/x.h> alike.

Below commands/ nothing reads a control or knows a control ID: those layers may not reach
platform/DialogControls.h or platform/ControlIds.h, not even through another header.

The Win32 layer (src/platform/win32) translates for the core: it may include the core's headers,
but only the program's entry, main.cpp, may include app/.

    check-layers.py             checks src/
    check-layers.py --self-test checks the rules against a made-up tree
"""
import pathlib
import re
import sys
import tempfile

RANKS = {"platform": 0, "text": 1, "files": 2, "settings": 3, "windows": 3, "commands": 4, "app": 5}
CONTROL_HEADERS = ("platform/DialogControls.h", "platform/ControlIds.h")
WIN32 = ("platform", "win32")
ENTRY = "platform/win32/main.cpp"
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')
SOURCES = (".h", ".cpp", ".rc")


def own_includes(src, path):
    """The project files the file includes, as paths relative to src, with their line numbers."""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        quoted, angled = match.groups()
        candidates = [src / angled] if angled else [path.parent / quoted, src / quoted]
        for candidate in candidates:
            resolved = candidate.resolve()
            if resolved.is_file() and src in resolved.parents:
                yield number, resolved.relative_to(src).as_posix()
                break


def layer_of(relative):
    parts = relative.split("/")
    if parts[:2] == list(WIN32):
        return "win32"
    return parts[0] if parts[0] in RANKS else None


def violations(src):
    src = src.resolve()
    files = sorted(p for p in src.rglob("*") if p.suffix in SOURCES and p.is_file())
    graph = {p.relative_to(src).as_posix(): list(own_includes(src, p)) for p in files}

    def reaches(start, target, seen):
        for _, included in graph.get(start, []):
            if included == target:
                return True
            if included not in seen:
                seen.add(included)
                if reaches(included, target, seen):
                    return True
        return False

    for relative, includes in graph.items():
        layer = layer_of(relative)
        if layer is None:
            continue
        for number, target in includes:
            to = layer_of(target)
            where = f"src/{relative}:{number}"
            if layer == "win32":
                if to == "app" and relative != ENTRY:
                    yield f"{where}: only {ENTRY} may include app/, not {target}"
                continue
            if to is None or to == "win32":
                if to == "win32":
                    yield f"{where}: the core includes the Win32 layer's {target}"
                continue
            if to != layer and RANKS[to] >= RANKS[layer]:
                yield f"{where}: {layer}/ includes {target}"
            elif RANKS[layer] < RANKS["commands"] and layer != "platform":
                for control in CONTROL_HEADERS:
                    if target == control or reaches(target, control, {target}):
                        yield f"{where}: {layer}/ reaches {control} through {target}"


def self_test():
    """Each rule against a made-up tree: the file, what it holds, how many findings it must give."""
    tree = {
        "platform/DialogControls.h": ("", 0),
        "platform/Bundle.h": ('#include "DialogControls.h"\n', 0),
        "commands/Log.h": ('#include "platform/Bundle.h"\n', 0),
        "app/Dialog.h": ("", 0),
        "windows/Up.cpp": ('#include "../commands/Log.h"\n#include <vector>\n', 1),
        "windows/Angled.cpp": ("#include <commands/Log.h>\n", 1),
        "files/Controls.cpp": ('#include "platform/Bundle.h"\n', 1),
        "platform/win32/Shell.cpp": ('#include "app/Dialog.h"\n', 1),
        "platform/win32/main.cpp": ('#include "app/Dialog.h"\n', 0),
    }
    with tempfile.TemporaryDirectory() as folder:
        src = pathlib.Path(folder) / "src"
        for name, (text, _) in tree.items():
            (src / name).parent.mkdir(parents=True, exist_ok=True)
            (src / name).write_text(text, encoding="utf-8")
        found = list(violations(src))
    wrong = [name for name, (_, expected) in tree.items()
             if sum(line.startswith(f"src/{name}:") for line in found) != expected]
    print("layers self-test: " + (f"wrong for {', '.join(wrong)}" if wrong else "every rule holds"))
    return 1 if wrong else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
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
