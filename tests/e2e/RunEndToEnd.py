"""Runs end-to-end test modules against an installed reader.

    RunEndToEnd.py --binary PREFIX/bin/sorna --corpus FOLDER [--failures FOLDER] MODULE...

Exits with 77 (reported as skipped) when no X server can be had here, unless
SORNA_E2E_REQUIRED is set, as on the integration machine, where a missing desktop is a failure.
"""

import argparse
import os
import sys
import tempfile
import unittest

SKIPPED = 77


def desktop_problem():
    """Why no test desktop can be started here, or None when one can."""
    try:
        from VirtualDesktop import DesktopUnavailable, VirtualDesktop
    except ImportError as error:  # python3-xlib is missing
        return str(error)
    with tempfile.TemporaryDirectory(prefix="sorna-e2e-probe-") as scratch:
        try:
            with VirtualDesktop(scratch):
                return None
        except DesktopUnavailable as error:
            return str(error)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--corpus", required=True)
    parser.add_argument("--failures", default="")
    parser.add_argument("modules", nargs="+")
    options = parser.parse_args()
    os.environ.update(SORNA_E2E_BINARY=options.binary, SORNA_E2E_CORPUS=options.corpus,
                      SORNA_E2E_FAILURES=options.failures)

    problem = desktop_problem()
    if problem is not None:
        print("no test desktop: " + problem)
        return 1 if os.environ.get("SORNA_E2E_REQUIRED") else SKIPPED
    if not os.access(options.binary, os.X_OK):
        print("no installed reader at " + options.binary)
        return 1

    suite = unittest.defaultTestLoader.loadTestsFromNames(options.modules)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
