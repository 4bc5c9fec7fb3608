"""What the stand-in desktop services share: the record file and serving one name."""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib


def record(line):
    """Appends one line to the record file named by the first argument."""
    with open(sys.argv[1], "a", encoding="utf-8") as out:
        out.write(line + "\n")


def serve(name, make_object):
    """Owns name on the session bus with the object make_object(bus) returns, until killed."""
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    owned = dbus.service.BusName(name, bus)
    served = make_object(bus)
    record("ready")
    GLib.MainLoop().run()
    return owned, served
