#!/usr/bin/python3
"""A stand-in for the desktop portal's global shortcuts, for tests on a private session bus.

Usage: stand_in_portal.py RECORD [unassigned]
Owns org.freedesktop.portal.Desktop, answers CreateSession and BindShortcuts through request
objects as the portal does, and appends one line per call to RECORD ("ready" first). A bind
gives each shortcut its preferred trigger, or with "unassigned" none. The test calls
org.tippomat.StandIn.Activate(id, token) to have it emit Activated for the last session, and
org.tippomat.StandIn.Assign(id, trigger) for ShortcutsChanged, as when the user gives a key.
"""
import sys

import dbus
import dbus.service
from gi.repository import GLib

from stand_in_bus import record, serve

PORTAL = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        record("Close " + self.__dbus_object_path__)
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.session = None

    def answer(self, sender, token, results):
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        GLib.idle_add(lambda: request.Response(dbus.UInt32(0), results) and False)
        return dbus.ObjectPath(path)

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(1)

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        self.session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"),
                                              options["session_handle_token"])
        Session(self.bus, self.session)
        record("CreateSession")
        return self.answer(sender, options["handle_token"],
                           {"session_handle": dbus.String(self.session)})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        bound = " ".join("%s=%s" % (id, props.get("preferred_trigger", "")) for id, props in shortcuts)
        record("BindShortcuts " + bound)
        unassigned = sys.argv[2:] == ["unassigned"]
        answered = dbus.Array([(id, {"description": props["description"],
                                     "trigger_description":
                                         "" if unassigned else props.get("preferred_trigger", "")})
                               for id, props in shortcuts], signature="(sa{sv})")
        return self.answer(sender, options["handle_token"], {"shortcuts": answered})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature="oa(sa{sv})")
    def ShortcutsChanged(self, session, shortcuts):
        pass

    @dbus.service.method("org.tippomat.StandIn", in_signature="ss", out_signature="")
    def Assign(self, shortcut, trigger):
        self.ShortcutsChanged(dbus.ObjectPath(self.session),
                              dbus.Array([(shortcut, {"trigger_description": trigger})],
                                         signature="(sa{sv})"))

    @dbus.service.method("org.tippomat.StandIn", in_signature="ss", out_signature="")
    def Activate(self, shortcut, token):
        self.Activated(dbus.ObjectPath(self.session), shortcut, dbus.UInt64(0),
                       {"activation_token": dbus.String(token)})


if __name__ == "__main__":
    serve(PORTAL, Portal)
