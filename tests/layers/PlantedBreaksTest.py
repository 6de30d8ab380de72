#!/usr/bin/env python3
"""Plants each way of breaking the layering in a scratch copy of the tree, one at a time, and
expects CheckLayers.py to fail naming it; the clean copy must pass.
Usage: PlantedBreaksTest.py SOURCE_DIR CMAKE_COMMAND GENERATOR CORPUS_DIR"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

CHECK = pathlib.Path(__file__).with_name("CheckLayers.py")
SOURCE, CMAKE, GENERATOR, CORPUS = sys.argv[1:5]
INCLUDER = "view/TextView.cpp"
# (a line planted at the top of INCLUDER, what the check must say of it)
INCLUDES = [
    ('#include "qt/PageCanvas.h"', "view/qt/PageCanvas.h is in a qt/ folder"),
    ('#include "../app/ReaderSession.h"', "view/ reaches app/ReaderSession.h, a higher floor"),
    ('    #  include "view/qt/ViewFont.h"', "view/qt/ViewFont.h is in a qt/ folder"),
    ("# include <app/ReaderShell.h>", "view/ reaches app/ReaderShell.h, a higher floor"),
    ("#include <qstring.h>", "Qt outside a qt/ folder"),
    ("#include<QtCore/qstring.h>", "Qt outside a qt/ folder"),
    ('#include "../tests/support/Corpus.h"', "program code reaches tests/"),
]
# (a build file, a line planted at its end, what the check must say of it)
BUILDS = [
    ("view/qt/CMakeLists.txt", "target_sources(sorna_core PRIVATE PageCanvas.cpp)",
     "view/qt/PageCanvas.cpp: compiled into sorna_core, sorna_ui; it belongs in sorna_ui alone"),
    ("tests/view/CMakeLists.txt",
     "target_sources(test_view_core PRIVATE ${CMAKE_SOURCE_DIR}/view/PagePlan.cpp)",
     "view/PagePlan.cpp: compiled into sorna_core, test_view_core; it belongs in sorna_core alone"),
    ("tests/support/CMakeLists.txt", "target_sources(sorna_ui PRIVATE WidgetTestMain.cpp)",
     "tests/support/WidgetTestMain.cpp: compiled into the program's sorna_ui"),
    ("platform/CMakeLists.txt", "target_sources(sorna_ui PRIVATE ${code_page_949_table})",
     "platform/CodePage949Table.cpp: compiled into sorna_core, sorna_ui; it belongs in sorna_core"),
    ("tools/CMakeLists.txt", "target_sources(sorna_core PRIVATE MakeCodePage949Table.cpp)",
     "tools/MakeCodePage949Table.cpp: compiled into the program's sorna_core"),
]


def copy_of_tree(scratch):
    def left_out(folder, names):
        top = pathlib.Path(folder) == pathlib.Path(SOURCE)
        return [name for name in names if top and name.startswith((".git", "build", "corpus",
                                                                   "fuzz-corpus"))]
    tree = scratch / "tree"
    shutil.copytree(SOURCE, tree, ignore=left_out)
    return tree


class PlantedBreaks(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.tree = copy_of_tree(pathlib.Path(cls.scratch.name))
        cls.build = pathlib.Path(cls.scratch.name) / "build"
        cls.configure()

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    @classmethod
    def configure(cls):
        subprocess.run([CMAKE, "-S", cls.tree, "-B", cls.build, "-G", GENERATOR,
                        f"-DSORNA_CORPUS_DIR={CORPUS}"], check=True, capture_output=True)

    def check(self):
        return subprocess.run([sys.executable, CHECK, self.tree, self.build],
                              capture_output=True, text=True)

    def planted(self, name, line):
        """Runs the check with `line` added to the copy's file `name`: at the end of a build
        file, at the top of a source."""
        path = self.tree / name
        clean = path.read_text(encoding="utf-8")
        build_file = name.endswith("CMakeLists.txt")
        path.write_text(f"{clean}{line}\n" if build_file else f"{line}\n{clean}", encoding="utf-8")
        try:
            if build_file:
                self.configure()
            return self.check()
        finally:
            path.write_text(clean, encoding="utf-8")
            if build_file:
                self.configure()

    def test_clean_tree_holds(self):
        result = self.check()
        self.assertEqual((result.returncode, result.stdout), (0, "the layers hold\n"))

    def test_each_planted_break_fails_the_check(self):
        plants = [(INCLUDER, line, f"{INCLUDER}:1: {line.strip()}: {said}")
                  for line, said in INCLUDES] + BUILDS
        for name, line, said in plants:
            with self.subTest(planted=line):
                result = self.planted(name, line)
                self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                self.assertIn(said, result.stdout)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
