#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test-lintian.sh CPACK BUILD-FOLDER LINTIAN
#
# Makes the Debian package of the build, as `cpack -G DEB` in the build folder does, and runs
# lintian on it: neither an error nor a warning may remain. Exits 77 (skipped) where lintian is
# not installed.
set -euo pipefail
cpack=$1
build=$2
lintian=$3

[[ -x "$lintian" ]] || { echo "lintian is not installed"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf -- "$tmp"' EXIT

if ! "$cpack" -G DEB -B "$tmp" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: no package" >&2
    exit 1
fi
deb=("$tmp"/*.deb)
"$lintian" --fail-on error,warning "${deb[@]}" || { echo "FAIL: lintian found the above" >&2; exit 1; }
echo "lintian: $(basename "${deb[0]}") without errors or warnings"
