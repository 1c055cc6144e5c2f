#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the command trabelo-silben as a teacher would: on standard input and on files, with the
# line ends of every system, on an old Windows list, and with a file that cannot be read.
# Usage: test-silben.sh PATH-TO-TRABELO-SILBEN
set -euo pipefail
program=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The first run builds the patterns and keeps them here; the later ones read them back.
export XDG_CACHE_HOME="$work/cache"
cache="$work/cache/Trabelo/syllable-patterns.cache"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# expect NAME EXPECTED-BYTES: compares out.bin with the bytes printf makes of EXPECTED-BYTES.
expect() {
    printf "$2" >expected.bin
    cmp -s out.bin expected.bin || fail "$1: got $(xxd -p out.bin | tr -d '\n')"
}

"$program" --help >out.bin || fail "--help ended with an error"
grep -q '^Aufruf: trabelo-silben \[DATEI ...\]' out.bin || fail "--help shows no German usage"
grep -q 'Rückgabewert' out.bin || fail "--help does not explain the exit status"

# Building the patterns takes seconds, and reading them back from the cache a little time, so
# each run checks several things.
printf 'Oma\nKakao\rIgel\r\nMa-ma malt\n\nOma liest Mama!\r\rRuine' | "$program" >out.bin
expect "standard input: LF, CR, CR LF, no line end at the end, teacher's marks, empty lines" \
    'O-ma\r\nKa-ka-o\r\nI-gel\r\nMa-ma malt\r\n\r\nO-ma liest Ma-ma!\r\n\r\nRu-i-ne\r\n'
kept=$(stat -c %i "$cache")

: | "$program" >out.bin
expect "empty input" ''

printf 'Oma\n' >a.txt
printf 'B\xe4ume\r\n\xdcbung\r\nStra\xdfe\r\n' >windows.txt
printf '\xef\xbb\xbf\xc3\x9cfer\n' >bom.txt
printf 'Kakao\n' | "$program" a.txt windows.txt - bom.txt >out.bin
expect "files in order, Windows-1252, - for standard input, UTF-8 with BOM" \
    'O-ma\r\nB\xc3\xa4u-me\r\n\xc3\x9c-bung\r\nStra-\xc3\x9fe\r\nKa-ka-o\r\n\xc3\x9c-fer\r\n'
# A cache written by one process is sound for the next (its checksum does not vary by process).
[[ $(stat -c %i "$cache") == "$kept" ]] || fail "a later run built the kept patterns anew"

mkdir folder
status=0
"$program" a.txt fehlt.txt folder -- --help bom.txt >out.bin 2>err.txt || status=$?
[[ $status -eq 1 ]] || fail "an unreadable file gave exit status $status, not 1"
expect "the other files still done" 'O-ma\r\n\xc3\x9c-fer\r\n'
grep -q '„fehlt.txt“' err.txt || fail "no message naming the missing file: $(cat err.txt)"
grep -q '„folder“ ist ein Ordner' err.txt || fail "no message naming the folder: $(cat err.txt)"
grep -q '„--help“' err.txt || fail "-- did not end the options: $(cat err.txt)"

status=0
"$program" --gibts-nicht a.txt >out.bin 2>err.txt || status=$?
[[ $status -eq 2 ]] || fail "an unknown option gave exit status $status, not 2"
grep -q '„--gibts-nicht“' err.txt || fail "no message naming the unknown option"

# A damaged cache is ignored: the words come out the same, and the cache is built anew.
[[ -s "$cache" ]] || fail "the built patterns were not kept in $cache"
head -c 5000 "$cache" >damaged.cache
cp damaged.cache "$cache"
printf 'Kakao Zuckerahorn\n' | "$program" >out.bin
expect "with a damaged cache" 'Ka-ka-o Zu-cker-a-horn\r\n'
[[ $(stat -c %s "$cache") -gt 5000 ]] || fail "the damaged cache was not built anew"


# Regression: a full disk gave exit status 0 and a list cut short.
status=0
printf 'Oma\n' | "$program" >/dev/full 2>err.txt || status=$?
[[ $status -eq 3 ]] || fail "writing to a full disk gave exit status $status, not 3"
grep -q 'Die Ausgabe konnte nicht geschrieben werden' err.txt || fail "no message: $(cat err.txt)"

# Regression: writing into a file being read emptied it (>) or read its own output (>>).
# Checked before anything is written, so the file stays as it was.
for form in 'a.txt >>a.txt' '- <a.txt >>a.txt' '<a.txt >>a.txt'; do
    status=0
    eval "\"\$program\" $form" 2>err.txt || status=$?
    [[ $status -eq 3 ]] || fail "$form gave exit status $status, not 3"
    printf 'Oma\n' >expected.bin
    cmp -s a.txt expected.bin || fail "$form changed a.txt"
    grep -q 'Bitte schreiben Sie die Liste in eine andere Datei' err.txt || fail "$form: $(cat err.txt)"
done

# Regression: a huge input was read whole into memory. Beyond 64 MB a file is refused at once,
# standard input once the limit is passed; the other files are still done.
truncate -s $((64 * 1024 * 1024 + 1)) huge.txt
status=0
head -c $((64 * 1024 * 1024 + 1)) /dev/zero | "$program" huge.txt - a.txt >out.bin 2>err.txt ||
    status=$?
[[ $status -eq 1 ]] || fail "inputs over the limit gave exit status $status, not 1"
expect "the file after them still done" 'O-ma\r\n'
grep -q '„huge.txt“ ist größer als 64 MB' err.txt || fail "no message for the file: $(cat err.txt)"
grep -q 'Standardeingabe ist größer als 64 MB' err.txt || fail "no message for the input: $(cat err.txt)"

echo "trabelo-silben: standard input, files, line ends, encodings, unreadable files, help," \
    "the patterns cache, full disk, output into an input, size limit"
