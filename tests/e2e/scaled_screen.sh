# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The body of the scaled-screen tests (test_scaled_*.sh choose the size in
# E2E_SCREEN): on a screen without a 1024 x 768 mode, with a window manager,
# the frame is shown scaled between black bars and the pointer means what is
# drawn under it. A click where a drawing area is shown fills that area and
# leaves the outline; hovering where a palette button is shown lights it; a
# click on a bar changes nothing; a brush stroke that leaves over a bar is
# pinned to the frame's edge until released; Ctrl+X and Yes end the program
# normally.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$1"
HERE=$(dirname "${BASH_SOURCE[0]}")
PY=/usr/bin/python3
read -r SW SH < <(xdpyinfo | awk '/dimensions:/ && !n {split($2, d, "x"); print d[1], d[2]; n = 1}')
view() { $PY "$HERE/scaled_view.py" "$SW" "$SH" "$@"; }
# Moves the pointer to where frame pixel X,Y is shown, and clicks there.
at() { read -r PX PY_ < <(view where "$1" "$2"); }
click_at() { at "$1" "$2"; click "$PX" "$PY_"; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

e2e_window_manager
e2e_start
shot "$E2E_TMP/start.png"
[ "$(view bars "$E2E_TMP/start.png")" = "0" ] || fail "the bars are not black"

read -r WX WY BX BY < <($PY "$HERE/find_area.py" "$PROG/PICTURE/01.GIF")
# A point of that area clear of its outline, where the screen shows the
# area's own colour unblended.
read -r WX WY < <(view clear "$PROG/PICTURE/01.GIF" $((WX + 15)) "$WY")
at $((30 + WX)) $((29 + WY))
expect_pixel "$E2E_TMP/start.png" "$PX" "$PY_" "255,255,255" "drawing 1 is shown white where the area is"

# ---- A click on a bar: nothing happens (read unmapped, it would be on the canvas) ----
read -r BARX BARY < <(view bar)
click "$BARX" "$BARY"
shot "$E2E_TMP/bar.png"
[ "$(compare -metric AE "$E2E_TMP/start.png" "$E2E_TMP/bar.png" null: 2>&1)" = "0" ] ||
    fail "a click on the bar at $BARX,$BARY changed the screen"

# ---- A click where the area is shown fills it; the outline stays ----
click_at $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/filled.png"
expect_pixel "$E2E_TMP/filled.png" "$PX" "$PY_" "255,0,0" "a click where the area is shown fills it red"
view back "$E2E_TMP/filled.png" "$E2E_TMP/filled_back.png"
# Scaled back, the area is red there too.
IFS=, read -r R G B < <(pixel "$E2E_TMP/filled_back.png" $((30 + WX)) $((29 + WY)))
[ "$R" -ge 240 ] && [ "$G" -le 15 ] && [ "$B" -le 15 ] || fail "scaled back, the area is $R,$G,$B, not red"
lost=$(view outline "$E2E_TMP/start.png" "$E2E_TMP/filled.png")
below "$lost" 0.01 || fail "the outline is not intact after the fill (share lost $lost)"
[ "$(view bars "$E2E_TMP/filled.png")" = "0" ] || fail "the bars are not black after the fill"

# ---- Hovering where PaletaZuta is shown lights it ----
at 218 717
xdotool mousemove "$PX" "$PY_"
sleep "${E2E_SETTLE:-0.3}"
shot "$E2E_TMP/lit.png"
view back "$E2E_TMP/lit.png" "$E2E_TMP/lit_back.png"
lit=$($PY "$HERE/region_diff.py" "$E2E_TMP/lit_back.png" 176 675 84 85 "$PROG/PICTURE/BOJE2_03.JPG" 0 0)
plain=$($PY "$HERE/region_diff.py" "$E2E_TMP/lit_back.png" 176 675 84 85 "$PROG/PICTURE/BOJE1_03.JPG" 0 0)
below "$lit" 6 || fail "PaletaZuta does not show its lit image (difference $lit)"
below "$lit" "$plain" || fail "PaletaZuta looks more like its plain image ($plain) than its lit one ($lit)"

# ---- A brush stroke that leaves the frame over a bar: it goes on to the
# canvas's edge, pinned to the frame's edge, and ends where it is released ----
click_at 835 611
at $((30 + WX)) $((29 + WY))
read -r OUTX OUTY < <(view beside "$PX" "$PY_")
xdotool mousemove "$PX" "$PY_" mousedown 1
sleep 0.05
xdotool mousemove "$OUTX" "$OUTY"
sleep 0.05
xdotool mouseup 1
sleep "${E2E_SETTLE:-0.3}"
if [ "$OUTY" = "$PY_" ]; then at 32 $((29 + WY)); else at $((30 + WX)) 31; fi
shot "$E2E_TMP/stroke.png"
expect_pixel "$E2E_TMP/stroke.png" "$PX" "$PY_" "255,0,0" "the stroke reaches the canvas's edge"
[ "$(view bars "$E2E_TMP/stroke.png")" = "0" ] || fail "the bars are not black after the stroke"
# Released: moving about over the bar and back paints nothing more.
xdotool mousemove 0 0 mousemove "$OUTX" "$OUTY"
sleep "${E2E_SETTLE:-0.3}"
shot "$E2E_TMP/after_stroke.png"
[ "$(compare -metric AE "$E2E_TMP/stroke.png" "$E2E_TMP/after_stroke.png" null: 2>&1)" = "0" ] ||
    fail "the stroke went on after the release on the bar"

# ---- Ctrl+X, then Yes where it is shown ----
key ctrl+x
click_at 421 434
status=$(e2e_wait_exit 100)
[ "$status" = "0" ] || fail "Yes ends the program with status $status"
echo "1 passed, 0 failed"
