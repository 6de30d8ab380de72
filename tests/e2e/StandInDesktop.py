"""The desktop's idle-inhibition service on a test's own session bus: the stand-in of tests/device,
started for the bus and read back as it records the reader's calls."""

import os
import subprocess

import dbus

from VirtualDesktop import wait_until

STAND_IN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "device",
                        "ScreenSaverStandIn.py")
RECORD = "org.sorna.StandIn"
START_TIMEOUT = 10  # seconds
CALL_TIMEOUT = 10   # seconds for a call of the reader to show in the record


class StandInDesktop:
    def __init__(self, bus, serves="screensaver"):
        environment = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=bus.address)
        self._process = subprocess.Popen(["/usr/bin/python3", STAND_IN, serves], env=environment)
        self._bus = dbus.bus.BusConnection(bus.address)
        # The record's name is taken last, once every service is on the bus.
        if not wait_until(lambda: self._bus.name_has_owner(RECORD), START_TIMEOUT):
            self.stop()
            raise RuntimeError("the stand-in desktop service did not start")

    def calls(self):
        """The calls the service has seen, in order, as lines ("Inhibit Sorna <reason> -> 4101",
        "UnInhibit 4101", "SimulateUserActivity", "Vanished 4101")."""
        record = self._bus.get_object(RECORD, "/Record")
        return [str(line) for line in record.Calls(dbus_interface=RECORD)]

    def wait_for_call(self, line):
        """The calls once line is among them, or None when it does not come in time."""
        def calls_with_line():
            calls = self.calls()
            return calls if line in calls else None
        return wait_until(calls_with_line, CALL_TIMEOUT)

    def stop(self):
        self._process.terminate()
        self._process.wait(timeout=5)
        self._bus.close()
