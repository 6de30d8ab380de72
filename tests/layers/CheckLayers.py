#!/usr/bin/env python3
"""Fails when the program's folders break the layering: Qt outside a qt/ folder, or a folder
including one on a higher floor. Floors, lowest first; a folder's qt/ part stands on its floor."""
import pathlib
import re
import sys

FLOORS = ["resources", "platform", "document", "device", "view", "history", "settings", "app"]
QT_HEADER = re.compile(r'#include\s*<Q|#include\s*<qt|#include\s*"[a-z]+/(?:[a-z]+/)*qt/')
PROJECT_HEADER = re.compile(r'#include\s*"([a-z]+)/')


def problems(root):
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        parts = path.relative_to(root).parts
        if parts[0] not in FLOORS:
            continue
        in_qt = "qt" in parts[:-1]
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            where = f"{path.relative_to(root)}:{number}"
            if not in_qt and QT_HEADER.match(line):
                yield f"{where}: Qt outside a qt/ folder: {line}"
            included = PROJECT_HEADER.match(line)
            if included and included[1] in FLOORS and \
                    FLOORS.index(included[1]) > FLOORS.index(parts[0]):
                yield f"{where}: {parts[0]}/ includes {included[1]}/, a higher floor"


if __name__ == "__main__":
    found = list(problems(pathlib.Path(sys.argv[1])))
    print("\n".join(found) if found else "the layers hold")
    sys.exit(1 if found else 0)
