#!/usr/bin/env bash
# Starts the Windows program under Wine and checks what a user sees first: its window titled
# "Tavordesk 2.2 [ nanoCAD 5 ]" appears, a second start ends silently, and closing the window
# writes the settings file and the TAG list beside the executable.
#   scripts/wine-start-checks.sh <folder with tavordesk.exe> <tavor_window_probe.exe> [screenshot]
# Needs WINEPREFIX and a display (scripts/test.sh runs it under Xvfb). The folder must hold no
# settings yet. Ends non-zero at the first check that fails.
set -euo pipefail
folder=$(cd "$1" && pwd)
probe=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
shot=${3:-}
[ -z "$shot" ] || shot=$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")
title="Tavordesk 2.2 [ nanoCAD 5 ]"
program="$folder/tavordesk.exe"

# As on the users' machines: Japanese Windows, whose ANSI code page is 932.
wine() { env LC_ALL=ja_JP.UTF-8 wine "$@"; }
first=
fail() {
    echo "FAILED: $*" >&2
    [ -z "$first" ] || kill "$first" 2>/dev/null || true
    exit 1
}
[ -f "$program" ] || fail "no $program"
rm -f "$folder/tavordesk.ini" "$folder/TavorEditTagList.txt"

# Started from another folder: the files must still land beside the program.
cd /
wine "$program" >/dev/null 2>&1 &
first=$!
wine "$probe" wait "$title" 60000 || fail "the window \"$title\" did not appear"
echo "ok: the window \"$title\" appeared"
if [ -n "$shot" ]; then
    sleep 1
    import -window root "$shot" && echo "ok: screenshot $shot"
fi

# A second start must end by itself, with no second window.
start=$SECONDS
timeout 60 wine "$program" >/dev/null 2>&1 || fail "the second start did not end cleanly ($?)"
windows=$(wine "$probe" count "$title" | tr -d '\r')
[ "$windows" = 1 ] || fail "$windows windows titled \"$title\" after a second start"
echo "ok: a second start ended silently after $((SECONDS - start)) s, one window remains"

wine "$probe" close "$title" 30000 >/dev/null || fail "the window did not close"
wait "$first" || fail "the program ended with an error ($?)"
ini="$folder/tavordesk.ini"
[ -f "$ini" ] || fail "no settings file $ini after closing"
grep -q '\[TavorEdit\]' "$ini" || fail "no [TavorEdit] section in $ini"
grep -q '^ProgID=nanoCAD.Application.5.0' "$ini" || fail "no ProgID in $ini"
[ -s "$folder/TavorEditTagList.txt" ] || fail "no TAG list beside the program after closing"
echo "ok: closing wrote $(basename "$ini") ($(grep -c = "$ini") keys) and TavorEditTagList.txt" \
    "($(wc -l <"$folder/TavorEditTagList.txt") lines) beside the program"
