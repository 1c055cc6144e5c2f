#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test-seed-workfolder.sh SEED-SCRIPT DATA-FOLDER
#
# Seeds a fresh working folder twice. A teacher's own list that differs from a shipped one
# only in letter case (tiere.txt against TIERE.TXT) and a list the teacher edited after the
# first seed must both survive; every other shipped file must arrive unchanged.
set -euo pipefail
seed=$1
data=$2

tmp=$(mktemp -d)
trap 'rm -rf -- "$tmp"' EXIT
work="$tmp/new folder/Trabelo"
mkdir -p -- "$work"
printf 'Mei-ne Lis-te\r\n' >"$work/tiere.txt"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$seed" "$data" "$work"

[[ "$(cat -- "$work/tiere.txt")" == $'Mei-ne Lis-te\r' ]] || fail "tiere.txt was overwritten"
[[ ! -e "$work/TIERE.TXT" ]] || fail "TIERE.TXT copied beside tiere.txt"
shipped=0
for file in "$data"/*.TXT "$data"/silben.ini; do
    name=$(basename -- "$file")
    [[ "$name" == TIERE.TXT ]] && continue
    cmp -s -- "$file" "$work/$name" || fail "$name not copied"
    shipped=$((shipped + 1))
done
[[ $shipped -ge 4 ]] || fail "only $shipped files to check in $data"
# Regression: the data folder of a build also holds its CMakeLists.txt, which the file chooser
# would then have offered as a word list.
[[ ! -e "$work/CMakeLists.txt" ]] || fail "CMakeLists.txt copied as a word list"

printf 'Ro-se\r\n' >"$work/SILBEN.TXT"
before=$(ls -- "$work")
"$seed" "$data" "$work"
[[ "$(cat -- "$work/SILBEN.TXT")" == $'Ro-se\r' ]] || fail "edited SILBEN.TXT overwritten"
[[ "$(cat -- "$work/tiere.txt")" == $'Mei-ne Lis-te\r' ]] || fail "tiere.txt overwritten"
[[ "$(ls -- "$work")" == "$before" ]] || fail "second seed changed the folder's entries"

echo "seeded $shipped files, kept the teacher's two"
