#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine, in one session on a 1024x768 screen with no
# window manager: start-up shows drawing 1; a click fills an area red; a
# palette click says its colour and the brush draws; the tune plays and
# stops; thumbnail 7 loads drawing 7; the eraser wipes it and brings it back;
# Alt+Tab, Alt+F4 and the Windows key leave it in front and answering;
# Ctrl+X and Da end it with status 0 and the screen as it was.
# Sound is heard through SDL's disk audio driver, the tune through the
# instruments shipped beside the program (Wine has no MIDI synthesiser).
source "$(dirname "$0")/lib_wine.sh" "$1"
E2E=$WINE_HERE/..
PY=/usr/bin/python3
TOOLS="$PY $E2E/audio_tools.py"
OUT="$E2E_TMP/output.raw"
SILENT=16
AUDIBLE=1000

size() { stat -c %s "$OUT"; }
peak_after() {  # FROM SECONDS: the peak of SECONDS of output from byte FROM
    local from=$1 to
    to=$((from + $($TOOLS bytes "$2")))
    for _ in $(seq 1 200); do [ "$(size)" -ge "$to" ] && break; sleep 0.05; done
    $TOOLS peak "$OUT" "$from" "$to"
}
screen_size() { xdpyinfo | awk '/dimensions:/ && !n {print $2; n = 1}'; }
SIZE_BEFORE=$(screen_size)

# ---- Start-up: drawing 1 in the canvas, silence ----
wine_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$OUT"
shot "$E2E_TMP/start.png"
$PY "$E2E/canvas_check.py" equals "$E2E_TMP/start.png" "$PROG/PICTURE/01.GIF" || fail "start-up does not show drawing 1"
[ -s "$OUT" ] || fail "the program opened no audio output"
p=$($TOOLS peak "$OUT" 0 "$(size)")
[ "$p" -le $SILENT ] || fail "the output is not silent at start (peak $p)"

# ---- Fill, a palette voice, the brush ----
read -r WX WY BX BY < <($PY "$E2E/find_area.py" "$PROG/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/filled.png"
expect_pixel "$E2E_TMP/filled.png" $((30 + WX)) $((29 + WY)) "255,0,0" "a click fills the area red"
expect_pixel "$E2E_TMP/filled.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the outline stays black"

from=$(size)
click 806 717   # PaletaPlava
p=$(peak_after "$from" 0.6)
[ "$p" -gt $AUDIBLE ] || fail "a palette click does not say its colour (peak $p)"
click 835 611   # the brush
e2e_blue_brush_line $((30 + WX)) $((29 + WY))

# ---- The tune ----
click 958 524   # MusicOn
from=$(size)
p=$(peak_after "$from" 1.5)
[ "$p" -gt $AUDIBLE ] || fail "switching the music on is not heard (peak $p)"
click 958 524
sleep 0.3
from=$(size)
p=$(peak_after "$from" 0.5)
[ "$p" -le $SILENT ] || fail "switching the music off does not silence it (peak $p)"

# ---- The gallery: thumbnail 7 loads drawing 7 ----
click 912 325   # MoreImages
click 263 246   # thumbnail 7
shot "$E2E_TMP/drawing7.png"
$PY "$E2E/canvas_check.py" equals "$E2E_TMP/drawing7.png" "$PROG/PICTURE/07.GIF" || fail "thumbnail 7 does not load drawing 7"

# ---- The eraser on a coloured drawing 7 ----
read -r WX WY BX BY < <($PY "$E2E/find_area.py" "$PROG/PICTURE/07.GIF")
click 135 717   # PaletaZelena
click 900 611   # the bucket again
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/green.png"
expect_pixel "$E2E_TMP/green.png" $((30 + WX)) $((29 + WY)) "52,204,103" "the area of drawing 7 is filled green"
e2e_watched_wipe
shot "$E2E_TMP/wiped.png"
$PY "$E2E/canvas_check.py" equals "$E2E_TMP/wiped.png" "$PROG/PICTURE/07.GIF" || fail "after the wipe the canvas is not drawing 7 uncoloured"
awk '$2 > 0 && $2 < 1 { part++ } END { exit !(part >= 1) }' "$E2E_TMP/watch.txt" \
    || fail "the wipe was never seen part done: $(tr '\n' ' ' <"$E2E_TMP/watch.txt")"

# ---- Keys that would leave the program, with no window manager ----
WIN=$(xdotool search --name '^Rainbow Drop$' | head -1)
[ -n "$WIN" ] || fail "no window of the program"
for k in alt+Tab alt+F4 super; do
    key "$k"
    sleep 0.3
    kill -0 "$APP_PID" 2>/dev/null || fail "$k ended the program"
    xwininfo -id "$WIN" | grep -q "IsViewable" || fail "after $k the window is not shown"
done
# Still answering, and on top: a click fills where it lands.
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/after_keys.png"
expect_pixel "$E2E_TMP/after_keys.png" $((30 + WX)) $((29 + WY)) "52,204,103" "after Alt+Tab, Alt+F4 and the Windows key a click still fills"

# ---- Ctrl+X, Da ----
key ctrl+x
click 421 434
status=$(e2e_wait_exit 100)
[ "$status" = "0" ] || fail "Ctrl+X and Da end the program with status $status"
wine_settle
[ "$(screen_size)" = "$SIZE_BEFORE" ] || fail "the screen is $(screen_size), it was $SIZE_BEFORE"
! xdotool search --name '^Rainbow Drop$' >/dev/null 2>&1 || fail "a window of the program is left behind"
echo "1 passed, 0 failed"
