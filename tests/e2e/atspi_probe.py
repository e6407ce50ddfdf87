#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads the game's accessibility tree through AT-SPI, as a screen reader does.

  atspi_probe.py tree PID      one line per window, alert and label, tab-separated:
      window  ROLE  NAME  DESCRIPTION  EXTENTS
      label   WINDOW-NAME  NAME  TEXT  EXTENTS  TEXT-EXTENTS
    extents are "x y width height" on the screen; a label's text extents span its first to
    its last character ("-" when the label offers no text interface).
  atspi_probe.py events PID SECONDS    listens to text and name changes for SECONDS and prints
      events  WINDOW-NAME  COUNT        for every window of the program
"""
import sys

import pyatspi
from gi.repository import GLib

COORDS = pyatspi.DESKTOP_COORDS


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit("no accessible application with pid %d" % pid)


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", " ")


def extents(rect):
    return "%d %d %d %d" % (rect[0], rect[1], rect[2], rect[3])


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None, "-"
    count = text.characterCount
    whole = text.getText(0, -1)
    if count == 0:
        return whole, "-"
    first = text.getCharacterExtents(0, COORDS)
    last = text.getCharacterExtents(count - 1, COORDS)
    left, top = min(first[0], last[0]), min(first[1], last[1])
    right = max(first[0] + first[2], last[0] + last[2])
    bottom = max(first[1] + first[3], last[1] + last[3])
    return whole, "%d %d %d %d" % (left, top, right - left, bottom - top)


def labels(node):
    for child in node:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_LABEL:
            yield child
        yield from labels(child)


def print_tree(pid):
    for window in application(pid):
        print("\t".join(["window", window.getRoleName(), clean(window.name),
                         clean(window.description),
                         extents(window.queryComponent().getExtents(COORDS))]))
        for label in labels(window):
            text, text_extents = text_of(label)
            print("\t".join(["label", clean(window.name), clean(label.name),
                             clean(text if text is not None else "-"),
                             extents(label.queryComponent().getExtents(COORDS)), text_extents]))


def count_events(pid, seconds):
    counts = {clean(window.name): 0 for window in application(pid)}

    def window_name(source):
        node = source
        while node is not None and node.parent is not None \
                and node.parent.getRole() != pyatspi.ROLE_APPLICATION:
            node = node.parent
        return clean(node.name) if node is not None else ""

    def on_event(event):
        if event.host_application.get_process_id() != pid:
            return
        name = window_name(event.source)
        counts[name] = counts.get(name, 0) + 1

    kinds = ["object:text-changed", "object:property-change:accessible-name"]
    pyatspi.Registry.registerEventListener(on_event, *kinds)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    for name, count in counts.items():
        print("\t".join(["events", name, str(count)]))


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "tree":
        print_tree(int(sys.argv[2]))
    elif len(sys.argv) == 4 and sys.argv[1] == "events":
        count_events(int(sys.argv[2]), float(sys.argv[3]))
    else:
        sys.exit(__doc__)
