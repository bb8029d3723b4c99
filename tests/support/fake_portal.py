#!/usr/bin/python3
"""A desktop settings portal on the session bus, for a program to read its settings from.

Usage: fake_portal.py [--silent] [GROUP KEY VALUE]...
VALUE is in GVariant text ("uint32 1", "1.5"). With --silent the portal takes every call and never
answers, as one stuck behind a back-end does. Each line on standard input, GROUP KEY VALUE, changes
a setting and signals the change. Prints "ready" once it owns its name.
"""
import sys

from gi.repository import Gio, GLib

INTERFACE = """<node><interface name="org.freedesktop.portal.Settings">
  <method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
</interface></node>"""
PATH = "/org/freedesktop/portal/desktop"

silent = "--silent" in sys.argv
words = [word for word in sys.argv[1:] if word != "--silent"]
settings = {(words[i], words[i + 1]): GLib.Variant.parse(None, words[i + 2], None, None)
            for i in range(0, len(words), 3)}
held = []  # the calls a silent portal never answers


def on_call(_connection, _sender, _path, _interface, method, parameters, invocation):
    if silent:
        held.append(invocation)
        return
    value = settings.get(tuple(parameters.unpack()))
    if value is None:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")
    elif method == "ReadOne":
        invocation.return_value(GLib.Variant("(v)", (value,)))
    else:  # Read wraps the value in one more variant
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", value),)))


def on_line(channel, _condition, connection):
    line = channel.readline()
    if not line:
        return False
    group, key, text = line.split(maxsplit=2)
    settings[(group, key)] = GLib.Variant.parse(None, text.strip(), None, None)
    connection.emit_signal(None, PATH, "org.freedesktop.portal.Settings", "SettingChanged",
                           GLib.Variant("(ssv)", (group, key, settings[(group, key)])))
    return True


def on_bus(connection, _name):
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
    connection.register_object(PATH, node.interfaces[0], on_call, None, None)
    GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.IO_IN | GLib.IO_HUP,
                      on_line, connection)


def on_name(_connection, _name):
    print("ready", flush=True)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, on_bus, on_name, lambda *_: sys.exit(1))
GLib.MainLoop().run()
