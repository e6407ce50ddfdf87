#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures the real game's tick cadence twice under a private Xvfb: on an idle machine, then
with the other core kept busy by a spinning process.

    run_cadence.py BUILD_DIR/bench/tick_cadence [--seconds 10] [--idle-only]
"""

import argparse
import os
import subprocess
import sys

from xvfb_session import XvfbSession, busy_loop


def run(program, seconds, label, env, cpu=None):
    command = [program, "--seconds", str(seconds), "--label", label]
    pin = (lambda: os.sched_setaffinity(0, {cpu})) if cpu is not None else None
    return subprocess.run(command, env=env, preexec_fn=pin).returncode


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--idle-only", action="store_true",
                        help="skip the run with the other core busy")
    args = parser.parse_args()
    failures = 0
    with XvfbSession() as x:
        failures += run(args.program, args.seconds, "idle machine", x.env) != 0
        if args.idle_only:
            return 1 if failures else 0
        if os.cpu_count() < 2:
            print("Only one CPU: no run with the other core busy")
            return 1 if failures else 0
        spinner = busy_loop(cpu=1)
        try:
            failures += run(args.program, args.seconds,
                            "game on CPU 0, CPU 1 kept busy", x.env, cpu=0) != 0
        finally:
            spinner.kill()
            spinner.wait()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
