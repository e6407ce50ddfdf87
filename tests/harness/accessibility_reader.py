#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the game's accessibility tree over AT-SPI for the test harness, as a screen reader
does, for as long as the session lasts. One request a line on standard input; the answer is
tab-separated lines on standard output, ending with "end":

  follow PID          reads the program with this process id from now on
  tree                all its windows, with every label (and where its text is) and shape
  window NAME         the window named so, with its labels and shapes
  shapes NAME         the window and its shapes, from the nodes the window's last read found
  text NAME LABEL     the text of one label of the window, the same way
  listen              listens from now on to what a screen reader listens to
  events              the text and name changes of each window since the last "events"

  window ROLE NAME DESCRIPTION EXTENTS
  label NAME TEXT EXTENTS TEXT-EXTENTS      text extents from the first to the last
                                            character, "-" outside "tree"
  shape NAME EXTENTS
  events NAME COUNT
  error WHAT

Extents are "x y width height" on the desktop. With --screen-reader it listens from the
start and tells the bus that a screen reader runs. A program that knows someone listens
passes every key through the bus first, so only a reader that must listen does.
"""
import os
import sys

import pyatspi
from gi.repository import Atspi, Gio, GLib

COORDS = pyatspi.DESKTOP_COORDS
SCREEN_READER_EVENTS = ("object:text-changed", "object:property-change", "object:state-changed",
                        "object:children-changed", "window", "focus")
COUNTED_EVENTS = ("object:text-changed", "object:property-change:accessible-name")

followed = {"pid": None, "app": None, "listening": False}
# Per window name: its node, its labels' nodes by name and its shapes' nodes, from its last walk.
found = {}
counts = {}


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", " ")


def extents(node):
    r = node.queryComponent().getExtents(COORDS)
    return "%d %d %d %d" % (r[0], r[1], r[2], r[3])


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:  # a label of the toolkit's own, on the "Game Over" box
        return node.name


def text_extents(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return "-"
    count = text.characterCount
    if count == 0:
        return "-"
    first = text.getCharacterExtents(0, COORDS)
    last = text.getCharacterExtents(count - 1, COORDS)
    left, top = min(first[0], last[0]), min(first[1], last[1])
    right = max(first[0] + first[2], last[0] + last[2])
    bottom = max(first[1] + first[3], last[1] + last[3])
    return "%d %d %d %d" % (left, top, right - left, bottom - top)


def application():
    """The program's application with windows: a GTK theme in a Qt program adds one without."""
    if followed["app"] is None:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == followed["pid"] and app.childCount:
                # Names, descriptions and children change as the game runs: always ask the game.
                app.set_cache_mask(Atspi.Cache.ROLE | Atspi.Cache.INTERFACES)
                followed["app"] = app
    return followed["app"]


def windows():
    app = application()
    return [window for window in (app or []) if window is not None]


def window_line(window):
    return "\t".join(["window", window.getRoleName(), clean(window.name),
                      clean(window.description), extents(window)])


def walk(window, with_text_extents):
    """The window's lines, remembering its nodes for the quick requests."""
    lines, labels, shapes = [window_line(window)], {}, []

    def visit(node):
        for child in node:
            if child is None:
                continue
            role = child.getRole()
            if role == pyatspi.ROLE_LABEL:
                name = clean(child.name)
                labels[name] = child
                lines.append("\t".join(["label", name, clean(text_of(child)), extents(child),
                                        text_extents(child) if with_text_extents else "-"]))
            elif role == pyatspi.ROLE_IMAGE:
                shapes.append(child)
                lines.append("\t".join(["shape", clean(child.name), extents(child)]))
            else:
                visit(child)

    visit(window)
    found[clean(window.name)] = (window, labels, shapes)
    return lines


def window_named(name):
    return next((window for window in windows() if clean(window.name) == name), None)


def remembered(name):
    """The nodes of the window's last walk; a walk now if there was none."""
    if name not in found:
        window = window_named(name)
        if window is not None:
            walk(window, False)
    return found.get(name)


def alert_in(node):
    """The "Game Over" box a window shows inside itself, where a desktop gives every new
    window the keyboard."""
    for child in node:
        if child is None or child.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_IMAGE):
            continue
        if child.getRole() == pyatspi.ROLE_ALERT:
            if child.getState().contains(pyatspi.STATE_SHOWING):
                return child
        elif (found := alert_in(child)) is not None:
            return found
    return None


def answer(request):
    words = request.split("\t")
    if words[0] == "follow":
        followed.update(pid=int(words[1]), app=None)
        found.clear()
        counts.clear()
        return []
    if words[0] == "tree":
        return [line for window in windows() for line in walk(window, True)]
    if words[0] == "window":
        window = window_named(words[1])
        return walk(window, False) if window is not None else []
    if words[0] == "shapes":
        window, _, shapes = remembered(words[1]) or (None, None, [])
        return [window_line(window)] + ["\t".join(["shape", clean(shape.name), extents(shape)])
                                        for shape in shapes] if window else []
    if words[0] == "box":
        window = window_named(words[1])
        alert = alert_in(window) if window is not None else None
        return ["box\t" + extents(alert)] if alert is not None else []
    if words[0] == "text":
        _, labels, _ = remembered(words[1]) or (None, {}, None)
        return ["\t".join(["label", words[2], clean(text_of(labels[words[2]])), "-", "-"])] \
            if words[2] in labels else []
    if words[0] == "listen":
        if not followed["listening"]:
            pyatspi.Registry.registerEventListener(on_event, *SCREEN_READER_EVENTS)
            followed["listening"] = True
        return []
    if words[0] == "events":
        lines = ["\t".join(["events", name, str(count)]) for name, count in counts.items()]
        counts.clear()
        return lines
    return ["error\tunknown request " + clean(words[0])]


pending = b""


def on_request(fd, condition):
    global pending
    data = os.read(fd, 65536)
    if not data:
        pyatspi.Registry.stop()
        return False
    pending += data
    while b"\n" in pending:
        line, pending = pending.split(b"\n", 1)
        request = line.decode()
        try:
            lines = answer(request)
        except Exception as error:  # the game went, or did not answer in time
            found.pop(request.split("\t")[1] if "\t" in request else None, None)
            followed["app"] = None
            lines = ["error\t" + clean(repr(error))]
        sys.stdout.write("".join(line + "\n" for line in lines) + "end\n")
        sys.stdout.flush()
    return True


def top_window_name(node):
    while node is not None and node.parent is not None \
            and node.parent.getRole() != pyatspi.ROLE_APPLICATION:
        node = node.parent
    return clean(node.name) if node is not None else ""


def on_event(event):
    if not any(event.type.startswith(kind) for kind in COUNTED_EVENTS):
        return
    try:
        if event.host_application.get_process_id() != followed["pid"]:
            return
        name = top_window_name(event.source)
    except Exception:  # a window that closed as it changed
        return
    counts[name] = counts.get(name, 0) + 1


def tell_bus_a_screen_reader_runs():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for status in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", status, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, -1, None)


if __name__ == "__main__":
    # A program that does not answer (one still starting, or the GTK side of the game, whose
    # questions nobody serves) holds each question up for this long, in milliseconds.
    Atspi.set_timeout(3000, 3000)
    if "--screen-reader" in sys.argv:
        tell_bus_a_screen_reader_runs()
        answer("listen")
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP, on_request)
    print("ready", flush=True)
    pyatspi.Registry.start(gil=False)
