#!/usr/bin/env python3
"""Fails when the program's folders break the layering. Every include is resolved as the compiler
resolves it: a quoted one in the including file's folder first, then, like an angle one, in the
include folders the build gives its compiler, then in Qt's header folders.
- A file outside a qt/ folder reaches no Qt header and no file in a qt/ folder.
- A folder reaches only its own floor and the floors below it; a qt/ part stands on its floor.
- Program code reaches nothing of the tests, benchmarks, fuzzers or build tools.
- Each source of a folder is compiled into the folder's library: sorna_core at its top, sorna_ui
  in its qt/; the sources of tests/, bench/, fuzz/ and tools/ go into targets of their own. A
  source the build generates into a folder's place in the build tree counts as one of that
  folder.
Usage: CheckLayers.py SOURCE_DIR BUILD_DIR (a configured build, for compile_commands.json)."""
import json
import pathlib
import re
import shlex
import subprocess
import sys

FLOORS = ["resources", "platform", "document", "device", "view", "history", "settings", "app"]
LIBRARIES = {False: "sorna_core", True: "sorna_ui"}  # by whether a source is in a qt/ folder
# The program's entry is the executable's own source.
EXECUTABLE_SOURCES = {"app/qt/main.cpp": "sorna"}
OWN_TARGETS = ["tests", "bench", "fuzz", "tools"]
INCLUDE = re.compile(r'\s*#\s*include\s*([<"])([^>"]+)[>"]')
TARGET_OBJECT = re.compile(r"(?:^|/)CMakeFiles/([^/]+)\.dir/")


def qt_header_folders():
    """The include folders Qt's own package description gives, and the module folders in them."""
    flags = subprocess.run(["pkg-config", "--cflags-only-I", "Qt6Core"], capture_output=True,
                           text=True, check=True).stdout.split()
    given = [pathlib.Path(flag[2:]).resolve() for flag in flags]
    if not any((folder / "QtCore" / "qstring.h").is_file() for folder in given):
        sys.exit(f"no Qt headers in {given}")
    return given + [inner for folder in given for inner in sorted(folder.iterdir())
                    if inner.is_dir()]


def compilations(build):
    """(source, target, include folders) of each compile command of the build."""
    for entry in json.loads((build / "compile_commands.json").read_text(encoding="utf-8")):
        words = entry.get("arguments") or shlex.split(entry["command"])
        folders = []
        for word, following in zip(words, words[1:]):
            if word in ("-I", "-isystem", "-iquote"):
                folders.append(following)
            elif word.startswith("-I"):
                folders.append(word[2:])
        target = TARGET_OBJECT.search(words[words.index("-o") + 1])
        directory = pathlib.Path(entry["directory"])
        yield ((directory / entry["file"]).resolve(), target and target[1],
               [(directory / folder).resolve() for folder in folders])


def first_existing(name, folders):
    return next((folder / name for folder in folders if (folder / name).is_file()), None)


def reaches(path, root, search, qt_folders):
    """What each include line of `path` reaches: (line number, text, file or None, is Qt)."""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        included = INCLUDE.match(line)
        if not included:
            continue
        quoted = [path.parent] if included[1] == '"' else []
        found = first_existing(included[2], quoted + search)
        qt = found is None and first_existing(included[2], qt_folders) is not None
        yield number, line.strip(), found and found.resolve(), qt


def include_problems(root, search, qt_folders):
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        if path.suffix not in (".h", ".cpp") or relative.parts[0] not in FLOORS:
            continue
        floor, in_qt = relative.parts[0], "qt" in relative.parts[:-1]
        for number, line, found, qt in reaches(path, root, search, qt_folders):
            where = f"{relative}:{number}: {line}:"
            if found is None or root not in found.parents:
                if qt and not in_qt:
                    yield f"{where} Qt outside a qt/ folder"
                continue
            target = found.relative_to(root)
            if not in_qt and "qt" in target.parts[:-1]:
                yield f"{where} {target} is in a qt/ folder, {relative.parent}/ is not"
            if target.parts[0] in OWN_TARGETS:
                yield f"{where} program code reaches {target.parts[0]}/"
            elif target.parts[0] in FLOORS and FLOORS.index(target.parts[0]) > FLOORS.index(floor):
                yield f"{where} {floor}/ reaches {target}, a higher floor"


def tree_path(source, root, build):
    """Where `source` stands in the source tree: a generated one in the build tree stands where
    its folder does. None outside both."""
    for top in (build, root):  # the build tree may lie inside the source tree
        if top in source.parents:
            return source.relative_to(top)
    return None


def generated_in_folder(relative, root):
    """Whether a source in the build tree was generated into the place of a folder of the program,
    not into a folder of Qt's code generators, which the source tree lacks."""
    return relative.parts[0] in FLOORS and (root / relative.parent).is_dir()


def library_problems(root, build, compiled):
    targets_of = {}
    generated = set()
    for source, target, _ in compiled:
        relative = tree_path(source, root, build)
        if relative is not None:
            targets_of.setdefault(relative, set()).add(target)
        if build in source.parents and generated_in_folder(relative, root):
            generated.add(relative)
    written = {source.relative_to(root) for source in root.rglob("*.cpp")
               if build not in source.parents}
    for relative in sorted(written | generated):
        if relative.parts[0] in FLOORS:
            expected = EXECUTABLE_SOURCES.get(relative.as_posix(),
                                              LIBRARIES["qt" in relative.parts[:-1]])
            targets = targets_of.get(relative, set())
            if targets != {expected}:
                found = ", ".join(sorted(map(str, targets))) or "no target"
                yield f"{relative}: compiled into {found}; it belongs in {expected} alone"
        elif relative.parts[0] in OWN_TARGETS:
            for target in sorted(targets_of.get(relative, set()) & set(LIBRARIES.values())):
                yield f"{relative}: compiled into the program's {target}"


def problems(root, build):
    compiled = list(compilations(build))
    search = []
    for _, _, folders in compiled:
        search += [folder for folder in folders if folder not in search]
    qt_folders = qt_header_folders()
    search = [folder for folder in search if folder not in qt_folders]
    yield from include_problems(root, search, qt_folders)
    yield from library_problems(root, build, compiled)


if __name__ == "__main__":
    source_dir, build_dir = (pathlib.Path(folder).resolve() for folder in sys.argv[1:3])
    found = list(problems(source_dir, build_dir))
    print("\n".join(found) if found else "the layers hold")
    sys.exit(1 if found else 0)
