#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The eraser: after colouring an area, a click on the eraser sweeps the
# canvas white where the child can watch it (looks at the screen during the
# wipe show it part done, then further on), and then the drawing comes back
# without its colouring.
source "$(dirname "$0")/lib.sh" "$1"
e2e_start
read -r WX WY BX BY < <(/usr/bin/python3 "$E2E_DIR/find_area.py" "$PROG/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/coloured.png"
expect_pixel "$E2E_TMP/coloured.png" $((30 + WX)) $((29 + WY)) "255,0,0" "the area is coloured before the wipe"

e2e_watched_wipe
shot "$E2E_TMP/after.png"
/usr/bin/python3 "$E2E_DIR/canvas_check.py" equals "$E2E_TMP/after.png" "$PROG/PICTURE/01.GIF" \
    || fail "after the wipe the canvas is not drawing 1 uncoloured"
expect_pixel "$E2E_TMP/after.png" $((30 + WX)) $((29 + WY)) "255,255,255" "the colouring is gone"

# The share of the outline shown white: 0, then rising while the wipe runs
# (never going back), then 0 again when the drawing is loaded.
echo "outline shown white (seconds, share):" $(tr '\n' ' ' <"$E2E_TMP/watch.txt")
awk '
    $2 > 0 && !ended { if (!started) t0 = $1; started = 1; if ($2 < last) back = 1
                       if ($2 < 1 && $2 != last) parts++; last = $2; next }
    $2 == 0 && started && !ended { ended = 1; t1 = $1 }
    END {
        if (!started || !ended) { print "no whole wipe seen"; exit 1 }
        printf "wipe seen for %.2f s in %d part-done looks\n", t1 - t0, parts
        if (parts < 2) { print "fewer than two part-done looks"; exit 1 }
        if (back) { print "the wipe went back"; exit 1 }
        if (t1 - t0 < 0.4) { print "the wipe was too fast to watch"; exit 1 }
    }' "$E2E_TMP/watch.txt" || fail "the wipe was not seen progressing"
kill -0 "$APP_PID" || fail "the program ended"
echo "1 passed, 0 failed"
