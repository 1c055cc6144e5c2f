#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: test-install-tree.sh BUILD-FOLDER HAS-PROGRAM(0|1) PRINT-MODULE
#   PRINT-MODULE: where the program looks for its print module, from its own folder
#
# Installs the build into a temporary prefix and checks that every file lands where the
# desktop and the launcher look for it. Then starts the installed launcher, through a symbolic
# link as a distribution's bin folder might hold it, with a stand-in for the program, and
# checks that the program starts in a seeded working folder.
set -euo pipefail
build=$1
has_program=$2
print_module=$3

tmp=$(mktemp -d)
trap 'rm -rf -- "$tmp"' EXIT
prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expected=(
    bin/trabelo-launcher
    bin/trabelo-seed-workfolder
    share/applications/org.trabelo.Trabelo.desktop
    share/metainfo/org.trabelo.Trabelo.metainfo.xml
    share/icons/hicolor/scalable/apps/org.trabelo.Trabelo.svg
    share/icons/hicolor/32x32/apps/org.trabelo.Trabelo.png
    share/trabelo/wordlists/SILBEN.TXT
    share/trabelo/wordlists/silben.ini
)
[[ "$has_program" == 1 ]] && expected+=(bin/trabelo bin/trabelo-silben "bin/$print_module")
for path in "${expected[@]}"; do
    [[ -f "$prefix/$path" ]] || fail "$path not installed"
done
programs=(trabelo-launcher trabelo-seed-workfolder)
[[ "$has_program" == 1 ]] && programs+=(trabelo-silben)
for program in "${programs[@]}"; do
    [[ -x "$prefix/bin/$program" ]] || fail "bin/$program not executable"
done
lists=$(find "$prefix/share/trabelo/wordlists" -name '*.TXT' | wc -l)
[[ $lists -ge 4 ]] || fail "only $lists word lists installed"

# The stand-in reports where it was started and with which arguments.
cat >"$prefix/bin/trabelo" <<'STUB'
#!/usr/bin/env bash
echo "$PWD|$*"
STUB
chmod +x "$prefix/bin/trabelo"
mkdir "$tmp/links"
ln -s "$prefix/bin/trabelo-launcher" "$tmp/links/trabelo-launcher"

out=$(env -u TRABELO_HOME HOME="$tmp/home" "$tmp/links/trabelo-launcher" --probe)
[[ "$out" == "$tmp/home/Trabelo|--probe" ]] || fail "launcher started the program as '$out'"
[[ -f "$tmp/home/Trabelo/SILBEN.TXT" ]] || fail "working folder not seeded"

out=$(TRABELO_HOME="$tmp/elsewhere" HOME="$tmp/home" "$tmp/links/trabelo-launcher")
[[ "$out" == "$tmp/elsewhere|" ]] || fail "TRABELO_HOME ignored: '$out'"
[[ -f "$tmp/elsewhere/silben.ini" ]] || fail "TRABELO_HOME not seeded"

echo "install tree complete; launcher starts the program in its working folder"
