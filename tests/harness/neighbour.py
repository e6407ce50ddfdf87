# SPDX-License-Identifier: MIT
# A neighbour of the game's on a Unix socket name: neighbour.py MODE NAME, NAME in the abstract
# namespace. Modes: answer (holds the name and answers every asker as a game would), full (holds
# it with a full queue), hit (asks for a raise and hangs up at once, 20 times), flood (20 silent
# connections a second, each held for a second, until killed). Prints "ready" once it holds or floods.
import socket
import sys
import time

mode, name = sys.argv[1], b"\0" + sys.argv[2].encode()


def connection(blocking=True):
    s = socket.socket(socket.AF_UNIX)
    s.setblocking(blocking)
    s.connect(name)
    return s


if mode in ("answer", "full"):
    server = socket.socket(socket.AF_UNIX)
    server.bind(name)
    server.listen(0 if mode == "full" else 8)
    queued = []
    while mode == "full":
        try:
            queued.append(connection(blocking=False))
        except (BlockingIOError, ConnectionRefusedError):
            break
    print("ready", flush=True)
    while True:
        if mode == "full":
            time.sleep(60)
        asker, _ = server.accept()
        asker.recv(1)
        asker.send(b"K")
        asker.close()
elif mode == "hit":
    for _ in range(20):
        try:
            connection().send(b"R")
        except OSError:
            pass
    print("ready", flush=True)
else:
    held = []
    print("ready", flush=True)
    while True:
        try:
            held.append(connection(blocking=False))
        except OSError:
            pass
        if len(held) > 20:
            held.pop(0).close()
        time.sleep(0.05)
