#!/usr/bin/python3
"""A desktop's idle-inhibition services, played for the tests on a private session bus.

    ScreenSaverStandIn.py screensaver   org.freedesktop.ScreenSaver only
    ScreenSaverStandIn.py portal        the desktop portal's Inhibit only
    ScreenSaverStandIn.py both          both services

Every call is recorded, as is the disappearance of a client that still held an inhibition (the bus
tells the service when a killed process's name vanishes). Tests read the record through
org.sorna.StandIn /Record Calls(). That name is taken last, so once it has an owner the services
are ready.
"""

import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SCREEN_SAVER = "org.freedesktop.ScreenSaver"
PORTAL = "org.freedesktop.portal.Desktop"
PORTAL_INHIBIT = "org.freedesktop.portal.Inhibit"
PORTAL_REQUEST = "org.freedesktop.portal.Request"
RECORD = "org.sorna.StandIn"

# Cookies start far from 0 and 1, so a client that sends back a made-up cookie is caught.
FIRST_COOKIE = 4101


class Record:
    def __init__(self):
        self.calls = []
        self.holders = {}  # client name -> list of what it holds (cookies or request paths)

    def add(self, line):
        self.calls.append(line)

    def hold(self, client, what):
        self.holders.setdefault(client, []).append(what)

    def release(self, client, what):
        held = self.holders.get(client, [])
        if what in held:
            held.remove(what)
            return True
        return False

    def vanished(self, client):
        for what in self.holders.pop(client, []):
            self.add("Vanished %s" % what)


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/org/freedesktop/ScreenSaver")
        self.record = record
        self.next_cookie = FIRST_COOKIE

    @dbus.service.method(SCREEN_SAVER, in_signature="ss", out_signature="u",
                         sender_keyword="sender")
    def Inhibit(self, application, reason, sender):
        cookie = self.next_cookie
        self.next_cookie += 1
        self.record.hold(sender, str(cookie))
        self.record.add("Inhibit %s %s -> %d" % (application, reason, cookie))
        return dbus.UInt32(cookie)

    @dbus.service.method(SCREEN_SAVER, in_signature="u", sender_keyword="sender")
    def UnInhibit(self, cookie, sender):
        known = self.record.release(sender, str(cookie))
        self.record.add("UnInhibit %d%s" % (cookie, "" if known else " (unknown)"))

    @dbus.service.method(SCREEN_SAVER)
    def SimulateUserActivity(self):
        self.record.add("SimulateUserActivity")


class PortalRequest(dbus.service.Object):
    def __init__(self, bus, path, record, client):
        super().__init__(bus, path)
        self.path = path
        self.record = record
        self.client = client

    @dbus.service.method(PORTAL_REQUEST)
    def Close(self):
        self.record.release(self.client, self.path)
        self.record.add("Close %s" % self.path)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.bus = bus
        self.record = record
        self.requests = []
        self.next_token = 1

    @dbus.service.method(PORTAL_INHIBIT, in_signature="sua{sv}", out_signature="o",
                         sender_keyword="sender")
    def Inhibit(self, window, flags, options, sender):
        token = options.get("handle_token", "t%d" % self.next_token)
        self.next_token += 1
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (
            sender[1:].replace(".", "_"), token)
        self.requests.append(PortalRequest(self.bus, path, self.record, sender))
        self.record.hold(sender, path)
        self.record.add("PortalInhibit '%s' %d %s -> %s" % (
            window, flags, options.get("reason", ""), path))
        return dbus.ObjectPath(path)


class RecordService(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/Record")
        self.record = record

    @dbus.service.method(RECORD, out_signature="as")
    def Calls(self):
        return dbus.Array(self.record.calls, signature="s")


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else "screensaver"
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    record = Record()
    served = []
    if mode in ("screensaver", "both"):
        served.append(ScreenSaver(bus, record))
        served.append(dbus.service.BusName(SCREEN_SAVER, bus))
    if mode in ("portal", "both"):
        served.append(Portal(bus, record))
        served.append(dbus.service.BusName(PORTAL, bus))
    bus.add_signal_receiver(
        lambda name, old, new: record.vanished(name) if not new else None,
        signal_name="NameOwnerChanged", dbus_interface="org.freedesktop.DBus")
    served.append(RecordService(bus, record))
    served.append(dbus.service.BusName(RECORD, bus))
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
