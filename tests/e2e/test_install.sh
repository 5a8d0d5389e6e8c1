#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` lays out the same program folder under a prefix, and the
# installed program starts from it (its own folder, not the working one).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh" "$1"
PROG="$E2E_TMP/installed program"   # a space in the path on purpose
cmake --install "$BUILD_DIR" --prefix "$PROG" >/dev/null
for f in rainbowdrop MARIGOLD.EXE PICTURE/01.GIF PICTURE/GLAVNA.JPG SOUND MUSIC/001.MID about.html credits.html; do
    [ -e "$PROG/$f" ] || fail "not installed: $f"
done
[ -d "$PROG/MY_PICTURE" ] || fail "MY_PICTURE is not installed"
[ -z "$(ls -A "$PROG/MY_PICTURE")" ] || fail "MY_PICTURE is not empty"
cd /
e2e_start
read -r WX WY BX BY < <(/usr/bin/python3 "$here/find_area.py" "$PROG/PICTURE/01.GIF")
shot "$E2E_TMP/installed.png"
expect_pixel "$E2E_TMP/installed.png" $((30 + BX)) $((29 + BY)) "0,0,0" "the installed program shows drawing 1"
expect_pixel "$E2E_TMP/installed.png" $((30 + WX)) $((29 + WY)) "255,255,255" "the installed program shows drawing 1"
echo "1 passed, 0 failed"
