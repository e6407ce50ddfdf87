#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Runs the Orca screen reader (its arguments follow) with its debug log written line by line.

Orca opens its --debug-file with Python's default buffering, so what it says reaches the file
only when some kilobytes have piled up: a test that reads what Orca said would wait for the
next burst of logging. Every other file Orca opens is left as Orca asks.
"""
import builtins
import runpy
import sys

DEBUG_FILE = next(arg.split("=", 1)[1] for arg in sys.argv if arg.startswith("--debug-file="))
opened = builtins.open


def open_debug_file_line_by_line(file, mode="r", buffering=-1, *args, **kwargs):
    if file == DEBUG_FILE and "w" in mode and buffering == -1:
        buffering = 1
    return opened(file, mode, buffering, *args, **kwargs)


builtins.open = open_debug_file_line_by_line
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
