#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A machine with only the packages for building and playing configures the game with its tests
# still on by default: what needs GoogleTest or Google Benchmark is left out, with one line
# for each, and the game's own targets are all there.
#
#   lean_configure.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$1
scratch=$2
rm -rf "$scratch"
if ! cmake -S "$source_dir" -B "$scratch" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >"$scratch.log" 2>&1; then
    cat "$scratch.log"
    echo "lean_configure: configuring without the test libraries failed" >&2
    exit 1
fi
status=0
for line in "GoogleTest not found: the test suite is left out" \
    "Google Benchmark not found: rules_bench is left out"; do
    count=$(grep -cF -- "-- $line" "$scratch.log" || true)
    if [[ $count -ne 1 ]]; then
        echo "lean_configure: '$line' printed $count times, not once" >&2
        status=1
    fi
done
targets=$(cmake --build "$scratch" --target help)
for target in zorvik zorvik_data; do
    grep -qE "^\.\.\. $target( |$)" <<<"$targets" || {
        echo "lean_configure: no target $target" >&2
        status=1
    }
done
rm -rf "$scratch" "$scratch.log"
exit $status
