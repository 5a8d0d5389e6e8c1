# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Files spoiled past the start-up length check, and a child's session that
# uses every one of them: the same on Linux and on Windows under Wine.
# Sourced after lib.sh (or lib_wine.sh).

# scramble FILE: the first 48 bytes kept, the rest random (the same random
# bytes every run), the length kept, as a bad sector leaves a file.
scramble() {
    /usr/bin/python3 - "$1" <<'PY'
import random, sys
data = bytearray(open(sys.argv[1], "rb").read())
rng = random.Random(48)
data[48:] = bytes(rng.randrange(256) for _ in range(len(data) - 48))
open(sys.argv[1], "wb").write(data)
PY
}
alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the program ended $1: $(tail -5 "$E2E_TMP/stderr.log")"; }

# Drawing 7, its lit thumbnail and the tune scrambled; the green voice a
# folder (the good one kept in $E2E_TMP/ZELENA.WAV.good).
spoil_files() {
    scramble "$PROG/PICTURE/07.GIF"
    scramble "$PROG/PICTURE/GALERIJA1ZUTE_21.JPG"
    scramble "$PROG/MUSIC/001.MID"
    cp -a "$PROG/SOUND/ZELENA.WAV" "$E2E_TMP/ZELENA.WAV.good"
    rm "$PROG/SOUND/ZELENA.WAV" && mkdir "$PROG/SOUND/ZELENA.WAV"
}

# With the program started on the spoiled files: each use fails quietly, the
# program keeps answering, and Ctrl+X with Da ends it with status 0.
use_spoiled_files() {
    click 912 325                 # MoreImages
    xdotool mousemove 263 246     # thumbnail 7 lights up with its spoiled image
    sleep 0.3
    alive "when thumbnail 7 lit up"
    click 263 246                 # drawing 7 cannot be read: the gallery stays
    alive "after a click on thumbnail 7"
    click 406 109                 # thumbnail 3 works
    shot "$E2E_TMP/drawing3.png"
    /usr/bin/python3 "$E2E_DIR/canvas_check.py" equals "$E2E_TMP/drawing3.png" "$PROG/PICTURE/03.GIF" \
        || fail "after the failed pick, thumbnail 3 does not put drawing 3 in the canvas"

    click 958 524                 # MusicOn with a spoiled tune: no music, the program answers on
    sleep 1
    alive "after starting the spoiled tune"
    click 958 524
    click 135 717                 # PaletaZelena, its voice a folder: silent
    local WX WY BX BY
    read -r WX WY BX BY < <(/usr/bin/python3 "$E2E_DIR/find_area.py" "$PROG/PICTURE/03.GIF")
    click $((30 + WX)) $((29 + WY))
    shot "$E2E_TMP/green.png"
    expect_pixel "$E2E_TMP/green.png" $((30 + WX)) $((29 + WY)) "52,204,103" "green still fills after the silent voice"
    expect_pixel "$E2E_TMP/green.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the outline stays black"

    # No folder to save in: Ctrl+P saves nothing and prints nothing.
    rm -rf "$PROG/MY_PICTURE" && echo "not a folder" >"$PROG/MY_PICTURE"
    key ctrl+p
    sleep 3.5                     # the printing notice's three seconds
    alive "after Ctrl+P with no folder to save in"
    [ "$(cat "$PROG/MY_PICTURE")" = "not a folder" ] || fail "the file in the folder's place was changed"

    key ctrl+x
    click 421 434                 # Da
    local status
    status=$(e2e_wait_exit 100)
    [ "$status" = 0 ] || fail "exit status $status after the spoiled files, expected 0"
}
