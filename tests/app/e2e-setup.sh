# SPDX-License-Identifier: GPL-3.0-or-later
# The shared set-up of the end-to-end tests, sourced by them. It runs the sourcing script again
# on a virtual X display, then gives it a working folder $work (the current folder) with a
# small SILBEN.TXT, a silben.ini and its copy before.ini, and fail(). The sourcing script
# removes $work in its own exit trap. screen_width and screen_height may be set before.
if [[ -z "${TRABELO_E2E_DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 ${screen_width:-1600}x${screen_height:-1200}x24" \
        env TRABELO_E2E_DISPLAY=1 bash "$(readlink -f "$0")" "$@"
fi

unset QT_QPA_PLATFORM # the real window, on the X server
work=$(mktemp -d)
cd "$work"
printf 'so\r\nRo-se\r\nO-ma\r\nHaus\r\n' >SILBEN.TXT
printf 'Ro Se\r\n 9 \r\n 12 \r\n 40 \r\nArial\r\n' >silben.ini
cp silben.ini before.ini

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
