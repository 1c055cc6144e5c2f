#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regression: after "Ja" and the farewell box the window went, but the process stayed for up to
# about 4 s while the syllable patterns were still loading or a speech worker hung. Here the
# patterns come from a pipe nobody writes to, so their load never ends, and the speech service
# takes the connection and never answers. The program must still end at once after the farewell
# box, with its settings saved and without a crash.
# Usage: test-exit-at-once.sh PATH-TO-TRABELO
set -euo pipefail
program=$1

pid=""
service_pid=""
source "$(dirname "$(readlink -f "$0")")/e2e-setup.sh"
trap 'kill $pid $service_pid 2>/dev/null || true; rm -rf "$work"' EXIT

mkfifo patterns.dic
printf '[Extras]\nAutomaticSyllables=true\nSpeakerButton=true\n' >trabelo.ini
# Takes a connection, notes it and never answers.
perl -MIO::Socket::UNIX -e '
    my $server = IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 5) or die "$!\n";
    my $client = $server->accept or die "$!\n";
    open(my $note, ">", $ARGV[1]) and close($note);
    sleep 3600' "$work/speech.sock" "$work/speech.connected" &
service_pid=$!
eventually test -S speech.sock || fail "the silent speech service did not start"

TRABELO_HYPHEN_PATTERNS="$work/patterns.dic" SPEECHD_ADDRESS="unix_socket:$work/speech.sock" \
    "$program" 2>errors.txt &
pid=$!

window '^Hinweis$' >/dev/null || fail "no hint box"
xdotool key Return
eventually no_window '^Hinweis$' || fail "the hint box stayed open"
eventually test -e speech.connected || fail "the program did not call the speech service"
main=$(window '^Trabelo$')
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 24)) $((Y + 24)) click 1
window '^Trabelo beenden$' >/dev/null || fail "X asked nothing"
xdotool key alt+j
eventually windows '^Trabelo$' 2 || fail "no farewell box"

start=$(date +%s%N)
xdotool key Return
# Without the fix it never ends: the toolkit waits for the pattern load. A sanitizer build
# checks for lost memory on the way out, which takes a moment on a busy machine.
patience=10 eventually ended || fail "the program still ran 10 s after the farewell box"
took=$((($(date +%s%N) - start) / 1000000))
wait "$pid" || fail "the program ended with status $?: $(cat errors.txt)"

printf 'rose\r\n 9 \r\n 12 \r\n 40 \r\nArial\r\n' >expected.ini
cmp silben.ini expected.ini || fail "silben.ini differs: $(xxd silben.ini)"
echo "exit at once: ended ${took} ms after the farewell box, with a pattern load that never" \
    "ends and a speech service that never answers; settings saved"
