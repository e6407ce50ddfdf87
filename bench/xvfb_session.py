# SPDX-License-Identifier: MIT
"""A private X server for measurements: Xvfb on a display number it picks itself."""

import os
import subprocess
import sys
import tempfile


class XvfbSession:
    """Starts Xvfb (1280x800, 24 bit, 96 dpi, no TCP) and stops it on leaving the block.

    env holds the environment a Qt program needs to open its windows there."""

    def __init__(self):
        self.process = None
        self.env = None
        self._runtime_dir = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
             "-dpi", "96", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        # Xvfb writes the display number it took once it accepts connections.
        with os.fdopen(read_end) as numbers:
            display = numbers.readline().strip()
        if not display:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self._runtime_dir = tempfile.TemporaryDirectory(prefix="zorvik-bench-")
        self.env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=self._runtime_dir.name)
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self._runtime_dir.cleanup()
        return False


def busy_loop(cpu):
    """A process that spins on one CPU until killed, to load it fully."""
    return subprocess.Popen(
        [sys.executable, "-c", "while True: pass"],
        preexec_fn=lambda: os.sched_setaffinity(0, {cpu}))
