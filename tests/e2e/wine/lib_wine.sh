# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine, driven through the same helpers as the
# Linux end-to-end tests (../lib.sh): a copy of the cross-built program
# folder, a private Xvfb, and the Wine prefix this test run shares
# (made by make_prefix.sh before the first test).
# Usage in a test script:   source "$(dirname "$0")/lib_wine.sh" "$1"
WINE_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_LATER_SETUP=1
source "$WINE_HERE/../lib.sh" "$1"
source "$WINE_HERE/wine_env.sh" "${RD_WINE_PREFIX:-$BUILD_DIR/wine-prefix}"
[ -d "$WINEPREFIX/drive_c" ] || bash "$WINE_HERE/make_prefix.sh" "$WINEPREFIX" >/dev/null
E2E_LAUNCHER=wine
E2E_EXE=rainbowdrop.exe
E2E_STARTUP_WAIT=${E2E_STARTUP_WAIT:-8}
# The tests of one run take turns in the prefix (ctest's lock "wine"), so
# the Wine server may be stopped outright: none of its processes outlives
# the test's display.
wine_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    e2e_cleanup
}
trap wine_cleanup EXIT

# What a Windows user's program folder holds: the program, its DLLs, the
# instruments of the tune, the pictures, sounds, music and pages.
e2e_program_folder() {
    mkdir -p "$PROG"
    cp -a "$BUILD_DIR"/rainbowdrop.exe "$BUILD_DIR"/MARIGOLD.EXE "$BUILD_DIR"/*.dll \
        "$BUILD_DIR"/timidity.cfg "$BUILD_DIR"/timidity "$PROG/"
    for d in PICTURE SOUND MUSIC MY_PICTURE; do cp -a "$BUILD_DIR/$d" "$PROG/"; done
    cp -a "$BUILD_DIR"/*.html "$PROG/" 2>/dev/null || true
}

# The Windows form of a path in the program folder, as the program names it.
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }

# Waits until the Wine server of this prefix has ended (the program's exit
# leaves it running for a few seconds more).
wine_settle() { wineserver -w; }

# Under Wine start-up takes longer and varies with the machine's load: wait
# for the program's own stamp that start-up has ended instead of a fixed time.
wine_start() {
    E2E_STARTUP_WAIT=0.2 e2e_start RAINBOWDROP_STARTUP_STAMP=1 "$@"
    for _ in $(seq 1 300); do
        grep -q "load ends" "$E2E_TMP/stderr.log" 2>/dev/null && break
        kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during start-up: $(cat "$E2E_TMP/stderr.log")"
        sleep 0.1
    done
    grep -q "load ends" "$E2E_TMP/stderr.log" || fail "start-up did not end within 30 s"
    # The pointer moved into the window once, so that Wine gives it the focus
    # before the first click rather than on it.
    xdotool mousemove 500 700
    sleep 1
}

PROG="$E2E_TMP/${E2E_FOLDER_NAME:-program}"
e2e_program_folder
e2e_display
