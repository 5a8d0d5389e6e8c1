#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Spoiled files and the Windows program under Wine. With spoiled files that
# pass the start-up length check (a drawing, a lit thumbnail and the tune whose data
# is random, a voice replaced by a folder, and a file where MY_PICTURE should be), the
# child uses each of them, the program keeps answering, and Ctrl+X with Da
# ends it with status 0. Then a 25.GIF one byte too long ends start-up with
# status 3 and one line naming the file and both lengths, the screen as it was.
source "$(dirname "$0")/lib_wine.sh" "$1"
E2E=$WINE_HERE/..
PY=/usr/bin/python3
screen_size() { xdpyinfo | awk '/dimensions:/ && !n {print $2; n = 1}'; }
SIZE_BEFORE=$(screen_size)

# ---- Files spoiled past the length check ----
scramble() {  # the first 48 bytes kept, the rest random (the same every run), the length kept
    $PY - "$1" <<'PY'
import random, sys
data = bytearray(open(sys.argv[1], "rb").read())
rng = random.Random(48)
data[48:] = bytes(rng.randrange(256) for _ in range(len(data) - 48))
open(sys.argv[1], "wb").write(data)
PY
}
alive() { kill -0 "$APP_PID" 2>/dev/null || fail "the program ended $1: $(tail -5 "$E2E_TMP/stderr.log")"; }
scramble "$PROG/PICTURE/07.GIF"
scramble "$PROG/PICTURE/GALERIJA1ZUTE_21.JPG"
scramble "$PROG/MUSIC/001.MID"
cp -a "$PROG/SOUND/ZELENA.WAV" "$E2E_TMP/ZELENA.WAV.good"
rm "$PROG/SOUND/ZELENA.WAV" && mkdir "$PROG/SOUND/ZELENA.WAV"

wine_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/output.raw"
click 912 325                 # MoreImages
xdotool mousemove 263 246     # thumbnail 7 lights up with its spoiled image
sleep 0.3
alive "when thumbnail 7 lit up"
click 263 246                 # drawing 7 cannot be read: the gallery stays
alive "after a click on thumbnail 7"
click 406 109                 # thumbnail 3 works
shot "$E2E_TMP/drawing3.png"
$PY "$E2E/canvas_check.py" equals "$E2E_TMP/drawing3.png" "$PROG/PICTURE/03.GIF" \
    || fail "after the failed pick, thumbnail 3 does not put drawing 3 in the canvas"
click 958 524                 # MusicOn with a spoiled tune: no music, the program answers on
sleep 1
alive "after starting the spoiled tune"
click 958 524
click 135 717                 # PaletaZelena, its voice a folder: silent
read -r WX WY BX BY < <($PY "$E2E/find_area.py" "$PROG/PICTURE/03.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/green.png"
expect_pixel "$E2E_TMP/green.png" $((30 + WX)) $((29 + WY)) "52,204,103" "green still fills after the silent voice"

rm -rf "$PROG/MY_PICTURE" && echo "not a folder" >"$PROG/MY_PICTURE"
key ctrl+p
sleep 3.5                     # the printing notice's three seconds
alive "after Ctrl+P with no folder to save in"
[ "$(cat "$PROG/MY_PICTURE")" = "not a folder" ] || fail "the file in the folder's place was changed"

key ctrl+x
click 421 434                 # Da
status=$(e2e_wait_exit 100)
[ "$status" = 0 ] || fail "exit status $status after the spoiled files, expected 0"
wine_settle
# The voice back, so that 25.GIF is the one file the start-up check finds wrong.
rm -rf "$PROG/SOUND/ZELENA.WAV" && cp -a "$E2E_TMP/ZELENA.WAV.good" "$PROG/SOUND/ZELENA.WAV"

# ---- A tampered 25.GIF ----
GIF="$PROG/PICTURE/25.GIF"
expected=$(stat -c %s "$GIF")
printf 'x' >>"$GIF"
found=$(stat -c %s "$GIF")
status=0
timeout 60 env SDL_AUDIODRIVER=dummy wine "$PROG/rainbowdrop.exe" \
    >"$E2E_TMP/stdout2.log" 2>"$E2E_TMP/stderr2.log" || status=$?
wine_settle
[ "$status" != "124" ] || fail "the program runs on with a tampered 25.GIF"
[ "$status" = "3" ] || fail "a tampered 25.GIF ends start-up with status $status, expected 3: $(cat "$E2E_TMP/stderr2.log")"
[ "$(wc -l <"$E2E_TMP/stderr2.log")" = "1" ] || fail "expected one line on standard error: $(cat "$E2E_TMP/stderr2.log")"
line=$(cat "$E2E_TMP/stderr2.log")
for part in "$(winpath "$GIF")" "$expected" "$found"; do
    case "$line" in *"$part"*) ;; *) fail "the line does not name $part: $line" ;; esac
done
[ "$(screen_size)" = "$SIZE_BEFORE" ] || fail "the screen is $(screen_size) after the failed check"
echo "tampered 25.GIF: status $status, \"$line\""

echo "1 passed, 0 failed"
