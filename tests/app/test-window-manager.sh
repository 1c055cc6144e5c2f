#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program under a real window manager (openbox) on a virtual X display: checks
# the frame hints the window sets, that its frame is centred on the screen before the hint box
# comes, that a width mode keeps the frame's left and top edges, and that the window manager's
# close request (Alt+F4), which openbox still sends although the hints offer no closing, asks
# the exit question: "Nein" keeps the program, "Ja" ends it and saves the settings.
# Usage: test-window-manager.sh PATH-TO-TRABELO
# With TRABELO_E2E_SHOTS set to a folder, screenshots of the window with the hint box, after it
# and in the widest mode are left there.
set -euo pipefail
program=$1
screen_width=1600
screen_height=1200

pid=""
openbox_pid=""
source "$(dirname "$(readlink -f "$0")")/e2e-setup.sh"
trap 'kill $pid $openbox_pid 2>/dev/null || true; rm -rf "$work"' EXIT

shot() { [[ -z "${TRABELO_E2E_SHOTS:-}" ]] || import -window root "$TRABELO_E2E_SHOTS/$1.png"; }

# The window manager's frame around a client: the child of the root window that holds it.
frame_of() {
    local id=$1 parent root
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    while parent=$(xwininfo -children -id "$id" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p') &&
        [[ "$parent" != "$root" ]]; do
        id=$parent
    done
    echo "$id"
}
# Sets x, y, width, height of a window's outer edge, its X border included.
outer_geometry() {
    local info border
    info=$(xwininfo -id "$1")
    border=$(sed -n 's/.*Border width: *\([0-9]*\).*/\1/p' <<<"$info")
    x=$(($(sed -n 's/.*Absolute upper-left X: *\(-\?[0-9]*\).*/\1/p' <<<"$info") - border))
    y=$(($(sed -n 's/.*Absolute upper-left Y: *\(-\?[0-9]*\).*/\1/p' <<<"$info") - border))
    width=$(($(sed -n 's/.*Width: *\([0-9]*\).*/\1/p' <<<"$info") + 2 * border))
    height=$(($(sed -n 's/.*Height: *\([0-9]*\).*/\1/p' <<<"$info") + 2 * border))
}
within_one() { (($1 - $2 <= 1 && $2 - $1 <= 1)); }

openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
eventually wm_running || fail "openbox did not start"

"$program" &
pid=$!

window '^Hinweis$' >/dev/null || fail "no hint box"
main=$(window '^Trabelo$')
[[ -n "$main" ]] || fail "no main window"
shot polish-hint

# Border and title only; the window may be moved, nothing else: a window manager that honours
# these hints draws no close button (openbox ignores that bit and keeps its own).
check_hints() {
    local hints
    hints=$(xprop -id "$main" _MOTIF_WM_HINTS)
    [[ "$hints" == *"= 0x3, 0x4, 0xa, 0x0, 0x0" ]] || fail "frame hints $1: $hints"
}
check_hints "at start"

# A busy window manager may frame and place the window a moment after it shows.
framed_and_centred() {
    frame=$(frame_of "$main")
    outer_geometry "$frame"
    ((height > 474)) && within_one "$x" $(((screen_width - width) / 2)) &&
        within_one "$y" $(((screen_height - height) / 2))
}
eventually framed_and_centred ||
    fail "frame ${width}x${height} at $x,$y: no title bar, or not centred on the screen"
echo "frame ${width}x${height} at $x,$y, while the hint box is open"
left=$x
top=$y

xdotool key Return
eventually no_window '^Hinweis$' || fail "the hint box stayed open"
shot polish-after

# The widest mode: the window grows on its right, its frame's left and top edges stay.
xdotool mousemove --window "$main" 124 456 click 1
widened() { [[ $(xwininfo -id "$main") == *"Width: 1328"* ]]; }
eventually widened || fail "the widest mode did not widen the window"
outer_geometry "$frame"
[[ "$x,$y" == "$left,$top" ]] || fail "the frame moved from $left,$top to $x,$y"
check_hints "after a width change"
shot polish-wide

close_request() {
    xdotool windowactivate --sync "$main"
    xdotool key alt+F4
    window '^Trabelo beenden$' >/dev/null || fail "the close request asked nothing"
}

close_request
xdotool key Return # the default answer is "Nein"
eventually no_window '^Trabelo beenden$' || fail "the exit question stayed open"
sleep 0.5
ended && fail "Nein ended the program"
cmp -s silben.ini before.ini || fail "Nein wrote the settings"

close_request
xdotool key alt+j
eventually windows '^Trabelo$' 2 || fail "no farewell box"
cmp -s silben.ini before.ini || fail "the settings were written before the farewell box closed"
xdotool key Return
eventually ended || fail "the program did not end after Ja"
wait "$pid" || fail "the program ended with an error"

printf 'rose\r\n 9 \r\n 12 \r\n 40 \r\nArial\r\n' >expected.ini
cmp silben.ini expected.ini || fail "silben.ini differs: $(xxd silben.ini)"
echo "window manager: frame hints, centred frame, hint box, width mode, close request, No, Yes, saved"
