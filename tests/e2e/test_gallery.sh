#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The gallery on a real screen: it opens, a thumbnail lights up under the
# mouse, a click on thumbnail 7 puts drawing 7 in the canvas, and green fills
# an area of it. Every expectation is derived from the asset files.
source "$(dirname "$0")/lib.sh" "$1"

# Compares a region of a screenshot with a picture file: prints the share of
# pixels within 8 levels per channel of the file, and the region's mean
# yellowness ((R + G) / 2 - B) beside the file's own.
cat >"$E2E_TMP/region.py" <<'EOF'
import sys
from PIL import Image
shot, x, y, w, h, path = sys.argv[1], *map(int, sys.argv[2:6]), sys.argv[6]
region = list(Image.open(shot).convert("RGB").crop((x, y, x + w, y + h)).getdata())
ref_img = Image.open(path).convert("RGB")
if ref_img.size != (w, h):
    sys.exit(f"{path} is {ref_img.size}, the region {w}x{h}")
ref = list(ref_img.getdata())
close = sum(1 for p, q in zip(region, ref) if max(abs(a - b) for a, b in zip(p, q)) <= 8)
yellow = lambda px: sum((r + g) / 2 - b for r, g, b in px) / len(px)
print(f"{close / len(ref):.4f} {yellow(region):.1f} {yellow(ref):.1f}")
EOF
region() { /usr/bin/python3 "$E2E_TMP/region.py" "$@"; }
# at_least A B: A >= B as decimals
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# Thumbnail 7: second row, second column; its two images end in 21.
T7_X=198 T7_Y=185 T7_W=131 T7_H=122
WHITE="$PROG/PICTURE/GALERIJA1BELE_21.JPG"
YELLOW="$PROG/PICTURE/GALERIJA1ZUTE_21.JPG"

e2e_start
click 912 325   # MoreImages
shot "$E2E_TMP/gallery.png"
read -r W_MATCH W_YEL W_FILE_YEL < <(region "$E2E_TMP/gallery.png" $T7_X $T7_Y $T7_W $T7_H "$WHITE")
at_least "$W_MATCH" 0.98 || fail "thumbnail 7 shows its white image after opening (match $W_MATCH)"

xdotool mousemove $((T7_X + 65)) $((T7_Y + 61))
sleep "${E2E_SETTLE:-0.3}"
shot "$E2E_TMP/lit.png"
read -r L_MATCH L_YEL L_FILE_YEL < <(region "$E2E_TMP/lit.png" $T7_X $T7_Y $T7_W $T7_H "$YELLOW")
read -r L_WHITE_MATCH _ _ < <(region "$E2E_TMP/lit.png" $T7_X $T7_Y $T7_W $T7_H "$WHITE")
at_least "$L_MATCH" 0.98 || fail "thumbnail 7 shows its yellow image under the mouse (match $L_MATCH)"
at_least "$L_MATCH" "$(awk -v m="$L_WHITE_MATCH" 'BEGIN { print m + 0.05 }')" ||
    fail "the lit thumbnail no longer looks like its white image (white match $L_WHITE_MATCH, yellow $L_MATCH)"
# On screen it turns as much yellower as the yellow file is than the white one.
SCREEN_GAIN=$(awk -v a="$L_YEL" -v b="$W_YEL" 'BEGIN { print a - b }')
FILE_GAIN=$(awk -v a="$L_FILE_YEL" -v b="$W_FILE_YEL" 'BEGIN { print a - b }')
awk -v s="$SCREEN_GAIN" -v f="$FILE_GAIN" 'BEGIN { d = s - f; exit !((d < 0 ? -d : d) <= 3 && (f > 0 ? s > 0 : 1)) }' ||
    fail "yellowness on screen changed by $SCREEN_GAIN, the files by $FILE_GAIN"
echo "thumbnail 7: yellowness $W_YEL -> $L_YEL on screen (files: $W_FILE_YEL -> $L_FILE_YEL)"

click $((T7_X + 65)) $((T7_Y + 61))
shot "$E2E_TMP/drawing7.png"
read -r D_MATCH _ _ < <(region "$E2E_TMP/drawing7.png" 30 29 750 600 "$PROG/PICTURE/07.GIF")
[ "$D_MATCH" = "1.0000" ] || fail "the canvas shows drawing 7 exactly (match $D_MATCH)"

# Green, then a fill inside an enclosed white area of drawing 7.
read -r WX WY BX BY < <(/usr/bin/python3 "$(dirname "$0")/find_area.py" "$PROG/PICTURE/07.GIF")
click 135 717   # PaletaZelena
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/green.png"
expect_pixel "$E2E_TMP/green.png" $((30 + WX)) $((29 + WY)) "52,204,103" "the area is filled green"
expect_pixel "$E2E_TMP/green.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the outline stays black"
echo "1 passed, 0 failed"
