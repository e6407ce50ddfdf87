# SPDX-License-Identifier: MIT
# A neighbour on an abstract Unix socket name: neighbour.py MODE NAME. answer: holds the name and
# answers every asker as a game would; full: holds it with a full queue; hit: asks for a raise
# and hangs up at once, 20 times; flood: 20 silent connections a second, each held a second.
# Prints "ready" once it holds the name or starts.
import socket, sys, time

mode, name = sys.argv[1], b"\0" + sys.argv[2].encode()
held = []


def connect(blocking=True):
    s = socket.socket(socket.AF_UNIX)
    s.setblocking(blocking)
    try:
        s.connect(name)
        held.append(s)
    except OSError:
        return False
    return True


if mode in ("answer", "full"):
    server = socket.socket(socket.AF_UNIX)
    server.bind(name)
    server.listen(0 if mode == "full" else 8)
    while mode == "full" and connect(blocking=False):
        pass
for _ in range(20 if mode == "hit" else 0):
    if connect():
        held.pop().send(b"R")  # and hangs up, dropped here
print("ready", flush=True)
while mode == "answer":
    asker = server.accept()[0]
    asker.recv(1), asker.send(b"K"), asker.close()
while mode == "full":
    time.sleep(60)
while mode == "flood":
    connect(blocking=False)
    del held[:-20]
    time.sleep(0.05)
