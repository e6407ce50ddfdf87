#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the event fuzzer for SECONDS from the checked-in seeds in fuzz/corpus, keeping what it
# learns in WORK_DIR/corpus (never in fuzz/corpus) and any crash in WORK_DIR/crashes.
# A crash, a leak, a sanitizer report or a broken game rule ends the run with a failure.
# Usage: fuzz/run.sh FUZZER SECONDS WORK_DIR
set -euo pipefail
fuzzer=$1
seconds=$2
work=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work/corpus" "$work/crashes"
# Inputs up to 512 bytes hold a few hundred events; a script's ticks are bounded, so an input
# that takes 20 s is a hang.
# Progress lines and the suggested dictionary are left out; the start, the coverage reached,
# the totals and any report stay.
"$fuzzer" -max_total_time="$seconds" -max_len=512 -timeout=20 -rss_limit_mb=2048 \
    -artifact_prefix="$work/crashes/" -print_final_stats=1 \
    "$work/corpus" "$here/corpus" 2>&1 |
    grep --line-buffered -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)|# Uses: [0-9]+$|ecommended dictionary'
