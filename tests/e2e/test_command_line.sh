#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real command answers --help and --version and refuses a wrong option
# before it touches the display: with no display at all and a program folder
# whose first picture is missing, the start-up would end with 1 or 3, so
# statuses 0 and 2 show that nothing else happened first.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh" "$1"
e2e_program_folder
rm "$PROG/PICTURE/01.GIF"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")

passed=0
run() {  # expected-status args...
    local expected=$1 status=0
    shift
    timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
        "$PROG/rainbowdrop" "$@" >"$E2E_TMP/out" 2>"$E2E_TMP/err" </dev/null || status=$?
    [ "$status" = "$expected" ] || fail "rainbowdrop $* ended with $status, expected $expected: $(cat "$E2E_TMP/err")"
    passed=$((passed + 1))
}

run 0 --help
grep -q '^Usage: rainbowdrop' "$E2E_TMP/out" || fail "--help printed no usage: $(head -3 "$E2E_TMP/out")"
[ ! -s "$E2E_TMP/err" ] || fail "--help wrote to standard error: $(cat "$E2E_TMP/err")"

run 0 --version
[ "$(head -1 "$E2E_TMP/out")" = "Rainbow Drop $version" ] || fail "--version printed \"$(head -1 "$E2E_TMP/out")\", expected Rainbow Drop $version"

for wrong in --fullscreen -x picture.gif; do
    run 2 "$wrong"
    [ ! -s "$E2E_TMP/out" ] || fail "rainbowdrop $wrong wrote to standard output"
    [ "$(wc -l <"$E2E_TMP/err")" = 1 ] || fail "rainbowdrop $wrong wrote more than one line: $(cat "$E2E_TMP/err")"
    grep -q "usage: rainbowdrop" "$E2E_TMP/err" || fail "rainbowdrop $wrong gave no usage: $(cat "$E2E_TMP/err")"
done

# A full output is an error, not a silent success.
if [ -w /dev/full ]; then
    status=0
    env -u DISPLAY "$PROG/rainbowdrop" --help >/dev/full 2>/dev/null || status=$?
    [ "$status" != 0 ] || fail "--help on a full output ended with status 0"
    passed=$((passed + 1))
fi

# The start-up itself is still there: without options and without a display
# the program tries the display, and says so.
run 1
grep -q "cannot start the display" "$E2E_TMP/err" || fail "without options the program did not try the display: $(cat "$E2E_TMP/err")"

echo "$passed passed, 0 failed"
