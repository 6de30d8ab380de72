#!/usr/bin/python3
"""A desktop's idle-inhibition services, played for the tests on a private session bus.

    ScreenSaverStandIn.py screensaver   org.freedesktop.ScreenSaver only
    ScreenSaverStandIn.py portal        the desktop portal's Inhibit only
    ScreenSaverStandIn.py both          both services

Every call is recorded as a line. Tests read the record through org.sorna.StandIn /Record Calls().
That name is taken last, so once it has an owner the services are ready.
"""

import itertools
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SCREEN_SAVER = "org.freedesktop.ScreenSaver"
PORTAL = "org.freedesktop.portal.Desktop"
RECORD = "org.sorna.StandIn"

calls = []
# Cookies start far from 0 and 1, so a client that sends back a made-up cookie is caught.
cookies = itertools.count(4101)


class ScreenSaver(dbus.service.Object):
    @dbus.service.method(SCREEN_SAVER, in_signature="ss", out_signature="u")
    def Inhibit(self, application, reason):
        cookie = next(cookies)
        calls.append("Inhibit %s %s -> %d" % (application, reason, cookie))
        return dbus.UInt32(cookie)

    @dbus.service.method(SCREEN_SAVER, in_signature="u")
    def UnInhibit(self, cookie):
        calls.append("UnInhibit %d" % cookie)

    @dbus.service.method(SCREEN_SAVER)
    def SimulateUserActivity(self):
        calls.append("SimulateUserActivity")


class PortalRequest(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Request")
    def Close(self):
        calls.append("Close %s" % self.__dbus_object_path__)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Inhibit", in_signature="sua{sv}",
                         out_signature="o", sender_keyword="sender")
    def Inhibit(self, window, flags, options, sender):
        path = "/org/freedesktop/portal/desktop/request/%s/t%d" % (
            sender[1:].replace(".", "_"), next(cookies))
        PortalRequest(self.connection, path)  # the bus connection keeps it
        calls.append("PortalInhibit '%s' %d %s -> %s" % (
            window, flags, options.get("reason", ""), path))
        return dbus.ObjectPath(path)


class Record(dbus.service.Object):
    @dbus.service.method(RECORD, out_signature="as")
    def Calls(self):
        return dbus.Array(calls, signature="s")


def main():
    mode = sys.argv[1]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    names = []
    if mode in ("screensaver", "both"):
        ScreenSaver(bus, "/org/freedesktop/ScreenSaver")
        names.append(dbus.service.BusName(SCREEN_SAVER, bus))
    if mode in ("portal", "both"):
        Portal(bus, "/org/freedesktop/portal/desktop")
        names.append(dbus.service.BusName(PORTAL, bus))
    Record(bus, "/Record")
    names.append(dbus.service.BusName(RECORD, bus))
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
