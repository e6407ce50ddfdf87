#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages of the named lists that this machine lacks:
#
#   install-deps.sh play        # building and playing (packages-play.txt)
#   install-deps.sh play test   # and what the tests, benchmarks and package checks add
#   install-deps.sh desktops    # the extra desktops of `make test-desktops`
#
# Does nothing when all are there; uses sudo when not run as root. When another program holds
# the package manager's lock, waits for it (up to ZORVIK_APT_LOCK_WAIT seconds, 300 by default).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ $# -gt 0 ]] || set -- play
missing=()
for list in "$@"; do
    file=$here/packages-$list.txt
    [[ -f $file ]] || {
        echo "install-deps: no package list '$list' (expected $file)" >&2
        exit 2
    }
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$package")
    done <"$file"
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
wait_seconds=${ZORVIK_APT_LOCK_WAIT:-300}
apt=("${sudo[@]}" apt-get -q -o "DPkg::Lock::Timeout=$wait_seconds")
if command -v fuser >/dev/null && fuser /var/lib/dpkg/lock-frontend >/dev/null 2>&1; then
    echo "Another program is installing packages; waiting up to $wait_seconds s for it to finish."
fi
# Package lists are refreshed only when the install cannot find something.
if ! "${apt[@]}" install -y --no-install-recommends "${missing[@]}" &&
    ! { "${apt[@]}" update && "${apt[@]}" install -y --no-install-recommends "${missing[@]}"; }; then
    echo "install-deps: apt-get could not install: ${missing[*]}" >&2
    echo "install-deps: if another program held the package lock for over $wait_seconds s," \
        "let it finish (or set ZORVIK_APT_LOCK_WAIT) and run this again" >&2
    exit 1
fi
