#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program on a virtual X display, as a teacher would: dismisses the hint,
# shows words by key presses, answers "Nein" and then "Ja" to the exit question, and checks
# the settings file it leaves behind, byte for byte.
# Usage: test-end-to-end.sh PATH-TO-TRABELO
set -euo pipefail
program=$1

pid=""
source "$(dirname "$(readlink -f "$0")")/e2e-setup.sh"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

shot() { import -window root "$work/$1.png"; }
differ() { ! compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>/dev/null; }
# A new screenshot that differs from the one named.
changed_from() {
    shot now
    differ "$1" now
}
# Two screenshots a moment apart are the same; the first is kept as "first".
settled() {
    shot first
    sleep 0.3
    ! changed_from first
}

"$program" &
pid=$!

window '^Hinweis$' >/dev/null || fail "no hint box"
xdotool key Return
eventually no_window '^Hinweis$' || fail "the hint box stayed open"
eventually settled || fail "the screen never settled after the hint box"

xdotool key space
eventually changed_from first || fail "a key press showed no new word"
mv now.png second.png
xdotool key shift
eventually changed_from second || fail "Shift alone showed no new word"

main=""
for w in $(xdotool search --name '^Trabelo$'); do
    [[ $(xdotool getwindowgeometry "$w") == *"Geometry: 928x474"* ]] && main=$w
done
[[ -n "$main" ]] || fail "no main window of 928 x 474 pixels"
xprop -id "$main" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "the window carries no 32 x 32 icon"
eval "$(xdotool getwindowgeometry --shell "$main")"
click_exit() { xdotool mousemove $((X + 24)) $((Y + 24)) click 1; }

click_exit
window '^Trabelo beenden$' >/dev/null || fail "X asked nothing"
xdotool key Return # the default answer is "Nein"
eventually no_window '^Trabelo beenden$' || fail "the exit question stayed open"
sleep 0.5
ended && fail "Enter at the exit question ended the program"
cmp -s silben.ini before.ini || fail "Nein wrote the settings"

click_exit
window '^Trabelo beenden$' >/dev/null || fail "X asked nothing the second time"
xdotool key alt+j
eventually windows '^Trabelo$' 2 || fail "no farewell box"
cmp -s silben.ini before.ini || fail "the settings were written before the farewell box closed"
xdotool key Return
eventually ended || fail "the program did not end after the farewell box"
wait "$pid" || fail "the program ended with an error"

printf 'rose\r\n 9 \r\n 12 \r\n 40 \r\nArial\r\n' >expected.ini
cmp silben.ini expected.ini || fail "silben.ini differs: $(xxd silben.ini)"
echo "end-to-end: hint, words by key, No, Yes, farewell, settings saved"
