#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the game and the floor program in turns under a private Xvfb and compares them:
start-up until both windows are mapped (and painted), peak resident memory, CPU while idle
and CPU while both games run.

    compare_floor.py --game build/zorvik --floor build/bench/floor --map-watch build/bench/map_watch
"""

import argparse
import glob
import signal
import statistics
import subprocess
import sys
import time

from xvfb_session import XvfbSession

TITLES = ("Zorvik!", "Zorvik Again!")
GAME_OVER_BOX_TITLE = "Zorvik"
# Both balls stay far above their windows when they leap this often (a hopper ball left alone
# after a leap drops out some 2.6 s later).
LEAP_EVERY_S = 1.0
CLEAR_OF_PLATFORMS_S = 1.5
TOWER_ATTEMPTS = 10
RUN_ATTEMPTS = 3


def cpu_ns(pid):
    """CPU time of all the process's threads so far, in nanoseconds."""
    total = 0
    for path in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(path) as f:
                total += int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended between the listing and the read
    return total


def peak_resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM")


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True)


def window_id(env, title):
    found = xdotool(env, "search", "--onlyvisible", "--name", f"^{title}$").stdout.split()
    if not found:
        raise RuntimeError(f"no window titled {title}")
    return found[0]


def press(env, window, *keys):
    # Sent to the window itself (XSendEvent), which Qt takes like typed keys: moving the focus
    # to each window in turn would repaint both every time and blur the CPU figures.
    xdotool(env, "key", "--window", window, *keys)


class Program:
    """One run of a program under measurement, started while map_watch listens."""

    def __init__(self, command, map_watch, env):
        self.env = env
        watcher = subprocess.Popen([map_watch, "15000", *TITLES], env=env,
                                   stdout=subprocess.PIPE, text=True)
        if watcher.stdout.readline().strip() != "ready":
            raise RuntimeError("map_watch did not start")
        started = time.monotonic_ns()
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        seen = {"mapped": [], "painted": []}
        for line in watcher.stdout:
            what, at, _ = line.split(maxsplit=2)
            seen[what].append((int(at) - started) / 1e6)
        if watcher.wait() != 0:
            self.stop()
            raise RuntimeError(f"{command[0]}: its windows were not mapped and painted")
        self.mapped_ms = max(seen["mapped"])
        self.painted_ms = max(seen["painted"])

    def cpu_ms_per_s(self, seconds, xserver, during=None):
        """CPU of the program and of the X server per second of wall time over a period."""
        pids = (self.process.pid, xserver)
        before = [cpu_ns(pid) for pid in pids]
        began = time.monotonic()
        if during:
            during(began + seconds)
        else:
            time.sleep(seconds)
        elapsed = time.monotonic() - began
        return [(cpu_ns(pid) - start) / 1e6 / elapsed for pid, start in zip(pids, before)]

    def start_games(self):
        """Starts both games with their balls flying high above the platforms.

        In the tower a leap that meets a platform from below is knocked back down and soon
        drops out; once a leap has carried the ball above every platform, regular leaps keep
        it there for good. So the tower is started again until its first leap gets through,
        then the hopper is started."""
        tower, hopper = self.windows()
        for _ in range(TOWER_ATTEMPTS):
            press(self.env, tower, "Return", "Up")
            time.sleep(CLEAR_OF_PLATFORMS_S)
            box = self.game_over_box()
            if not box:
                break
            press(self.env, box, "Return")
        else:
            raise RuntimeError(f"the tower's ball fell out {TOWER_ATTEMPTS} times in a row")
        press(self.env, hopper, "Return", "Up")

    def keep_playing(self, deadline):
        """Leaps in both windows now and then until the deadline."""
        tower, hopper = self.windows()
        while time.monotonic() < deadline:
            time.sleep(min(LEAP_EVERY_S, max(0.0, deadline - time.monotonic())))
            press(self.env, tower, "Up")
            press(self.env, hopper, "Up")

    def windows(self):
        return (window_id(self.env, title) for title in TITLES)

    def game_over_box(self):
        found = xdotool(self.env, "search", "--onlyvisible", "--name",
                        f"^{GAME_OVER_BOX_TITLE}$").stdout.split()
        return found[0] if found else None

    def peak_resident_mib(self):
        return peak_resident_kib(self.process.pid) / 1024

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def measure_startup(command, args, x):
    program = Program(command, args.map_watch, x.env)
    program.stop()
    return {"mapped": program.mapped_ms, "painted": program.painted_ms}


def measure_run(command, args, x):
    """Memory and CPU over a whole session: idle windows, then both games running."""
    program = Program(command, args.map_watch, x.env)
    try:
        time.sleep(args.settle_seconds)  # first paints, fonts
        idle, idle_x = program.cpu_ms_per_s(args.idle_seconds, x.process.pid)
        program.start_games()
        running, running_x = program.cpu_ms_per_s(args.run_seconds, x.process.pid,
                                                   during=program.keep_playing)
        lost_ball = program.game_over_box() is not None
        if lost_ball:
            print(f"{command[0]}: a ball dropped out during the run", file=sys.stderr)
        return {"lost_ball": lost_ball, "memory": program.peak_resident_mib(), "idle": idle,
                "idle_x": idle_x, "running": running, "running_x": running_x}
    finally:
        program.stop()


# What is compared, its unit, and the most the game may use as a share of the floor's.
ROWS = (
    ("mapped", "start-up until both windows are mapped", "ms", 1.1),
    ("painted", "start-up until both windows are painted", "ms", None),
    ("memory", "peak resident memory (VmHWM)", "MiB", 1.1),
    ("idle", "CPU while idle", "ms/s", 1.0),
    ("running", "CPU while both games run", "ms/s", 1.3),
    ("idle_x", "X server CPU while idle", "ms/s", None),
    ("running_x", "X server CPU while both run", "ms/s", None),
)


def report(game, floor, args):
    print(f"Game against the floor under Xvfb: medians of {args.startup_rounds} starts and "
          f"{args.rounds} runs each ({args.idle_seconds:g} s idle, {args.run_seconds:g} s "
          f"playing); CPU in ms of CPU per s of wall time")
    print(f"  {'':46} {'game':>9} {'floor':>9} {'game/floor':>11}  goal")
    for key, label, unit, limit in ROWS:
        if not game[key] or not floor[key]:
            continue  # not measured this time
        game_median = statistics.median(game[key])
        floor_median = statistics.median(floor[key])
        if floor_median > 0:
            ratio = game_median / floor_median
        else:
            ratio = float("inf") if game_median > 0 else 1.0
        if limit is None:
            goal = "(for information)"
        else:
            goal = f"<= {limit:.1f}x  [{'ok' if ratio <= limit else 'MISSED'}]"
        name = f"{label} ({unit})"
        print(f"  {name:46} {game_median:9.2f} {floor_median:9.2f} {ratio:10.2f}x  {goal}")
        for who, values in (("game", game[key]), ("floor", floor[key])):
            print(f"  {'':46} {who:>5} runs: {', '.join(f'{v:.2f}' for v in values)}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--map-watch", required=True)
    parser.add_argument("--startup-rounds", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--settle-seconds", type=float, default=1.0)
    parser.add_argument("--idle-seconds", type=float, default=5.0)
    parser.add_argument("--run-seconds", type=float, default=10.0)
    args = parser.parse_args()
    programs = {"game": [args.game], "floor": [args.floor]}
    results = {who: {key: [] for key, *_ in ROWS} for who in programs}
    lost_balls = 0
    with XvfbSession() as x:
        # One start of each first, so neither pays alone for a cold file cache.
        for command in programs.values():
            measure_startup(command, args, x)
        # In turns, so a busy spell on the machine hurts both alike.
        for _ in range(args.startup_rounds):
            for who, command in programs.items():
                for key, value in measure_startup(command, args, x).items():
                    results[who][key].append(value)
        for _ in range(args.rounds):
            for who, command in programs.items():
                # A run whose ball dropped out ran fewer games than the other's: it is measured
                # again, and counts as lost only if every try loses a ball.
                for _attempt in range(RUN_ATTEMPTS):
                    run = measure_run(command, args, x)
                    lost = run.pop("lost_ball")
                    if not lost:
                        break
                lost_balls += lost
                for key, value in run.items():
                    results[who][key].append(value)
    report(results["game"], results["floor"], args)
    return 1 if lost_balls else 0


if __name__ == "__main__":
    sys.exit(main())
