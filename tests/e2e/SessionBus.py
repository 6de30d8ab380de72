"""A private session bus, so the reader never talks to the desktop services of whoever runs the
tests, and a reader's names vanish with the bus."""

import select
import subprocess

START_TIMEOUT = 15


class SessionBus:
    def __init__(self):
        self._daemon = None
        self.address = None

    def __enter__(self):
        self._daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        # The daemon prints its address once it listens.
        ready, _, _ = select.select([self._daemon.stdout], [], [], START_TIMEOUT)
        self.address = self._daemon.stdout.readline().strip() if ready else ""
        if not self.address:
            self.__exit__()
            raise RuntimeError("the session bus did not start")
        return self

    def __exit__(self, *exception):
        self._daemon.terminate()
        try:
            self._daemon.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self._daemon.kill()
            self._daemon.wait(timeout=5)
        self._daemon.stdout.close()
