# SPDX-License-Identifier: GPL-3.0-or-later
# The shared set-up of the end-to-end tests, sourced by them. It runs the sourcing script again
# on a virtual X display, then gives it a working folder $work (the current folder) with a
# small SILBEN.TXT, a silben.ini and its copy before.ini, fail() and the waits below. The
# sourcing script removes $work in its own exit trap. screen_width and screen_height may be
# set before.
#
# The tests share two busy processors with the rest of the suite, and a sanitizer build starts
# several times slower: every wait is for the event itself, for up to $patience seconds.
#
# The virtual X server is the test's own and picks a free display itself (-displayfd), telling
# which once it is ready. xvfb-run -a picks a number first and starts its server after, which
# races with every server started at that moment on the machine, not only in this suite: a
# test then found no display, or another's.
if [[ -z "${TRABELO_E2E_DISPLAY:-}" ]]; then
    server_dir=$(mktemp -d)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "${screen_width:-1600}x${screen_height:-1200}x24" \
        3>"$server_dir/display" 2>"$server_dir/log" &
    server=$!
    trap 'kill "$server" 2>/dev/null || true; rm -rf "$server_dir"' EXIT
    # Ready, or gone; a minute at most.
    for _ in $(seq 600); do
        if grep -q . "$server_dir/display" || ! kill -0 "$server" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    display=$(head -n 1 "$server_dir/display")
    [[ -n "$display" ]] || { echo "FAIL: no virtual X server: $(cat "$server_dir/log")" >&2; exit 1; }
    status=0
    DISPLAY=":$display" TRABELO_E2E_DISPLAY=1 bash "$(readlink -f "$0")" "$@" || status=$?
    exit $status
fi

unset QT_QPA_PLATFORM # the real window, on the X server
work=$(mktemp -d)
cd "$work"
# The syllable patterns built by a run are kept in the test's own folder, never the user's.
export XDG_CACHE_HOME="$work/cache"
printf 'so\r\nRo-se\r\nO-ma\r\nHaus\r\n' >SILBEN.TXT
printf 'Ro Se\r\n 9 \r\n 12 \r\n 40 \r\nArial\r\n' >silben.ini
cp silben.ini before.ini

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

patience=60

# Runs the command every tenth of a second until it succeeds; false after $patience seconds.
eventually() {
    local deadline=$((SECONDS + patience))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The ids of the visible windows whose names match; fails when there is none. A window that
# goes while the search walks the tree makes the search fail with an X error: no answer then.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep '^[0-9]'; }
# The first visible window whose name matches, once there is one.
window() {
    local ids
    ids=$(eventually visible "$1") || return 1
    echo "${ids%%$'\n'*}"
}
no_window() { [[ -z "$(xdotool search --onlyvisible --name "$1" 2>&1)" ]]; }
# At least $2 visible windows with a name that matches $1: a box titled like the main window.
windows() { (($(visible "$1" | wc -l) >= $2)); }
ended() { ! kill -0 "$pid" 2>/dev/null; }
