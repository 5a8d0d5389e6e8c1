#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine in a folder whose name has spaces and a
# letter outside ASCII: it starts, and Ctrl+P shows the notice, saves
# MY_PICTURE\01.GIF (a 750x600 24-bit bitmap equal to the canvas) and prints
# one page through Wine's printing to our own cupsd's PDF printer, the
# picture at its natural size (7.8 x 6.25 in) at the page's top-left.
E2E_FOLDER_NAME="Rainbow Drop Zoë"
source "$(dirname "$0")/lib_wine.sh" "$1"
E2E=$WINE_HERE/..
PY=/usr/bin/python3

print_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    e2e_print_cleanup
    e2e_cleanup
}
trap print_cleanup EXIT

case "$PROG" in *" "*ë*) ;; *) fail "the program folder's name is not the one meant: $PROG" ;; esac
e2e_print_watch
SAVED="$PROG/MY_PICTURE/01.GIF"

wine_start
shot "$E2E_TMP/start.png"
$PY "$E2E/canvas_check.py" equals "$E2E_TMP/start.png" "$PROG/PICTURE/01.GIF" || fail "start-up in \"$PROG\" does not show drawing 1"
read -r WX WY BX BY < <($PY "$E2E/find_area.py" "$PROG/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/coloured.png"
expect_pixel "$E2E_TMP/coloured.png" $((30 + WX)) $((29 + WY)) "255,0,0" "the area is coloured"
[ ! -e "$SAVED" ] || fail "a picture was saved before Ctrl+P"

xdotool key ctrl+p
sleep 1
shot "$E2E_TMP/notice.png"
[ "$(notice_diff "$E2E_TMP/coloured.png" "$E2E_TMP/notice.png")" -gt 10000 ] || fail "no printing notice during the print"
for _ in $(seq 1 200); do [ -n "$(new_pages)" ] && break; sleep 0.1; done
PAGE_PDF=$(new_pages | head -1)
[ -n "$PAGE_PDF" ] || fail "no page printed: $(e2e_cups_errors)"
sleep 1  # the PDF printer may still be writing it
[ "$(new_pages | wc -l)" -eq 1 ] || fail "one Ctrl+P printed $(new_pages | wc -l) pages"
sleep 2
shot "$E2E_TMP/printed.png"
[ "$(notice_diff "$E2E_TMP/coloured.png" "$E2E_TMP/printed.png")" -eq 0 ] || fail "the notice is still shown after printing"
[ -f "$SAVED" ] || fail "Ctrl+P saved nothing in $PROG/MY_PICTURE: $(ls -A "$PROG/MY_PICTURE")"
$PY "$E2E/print_check.py" saved "$E2E_TMP/coloured.png" "$SAVED" || fail "the saved picture"
pdftoppm -r 96 -png -singlefile "$PAGE_PDF" "$E2E_TMP/page"
$PY "$E2E/print_check.py" page "$E2E_TMP/page.png" "$SAVED" "255,0,0" || fail "the printed page"
echo "printed through Wine: $(basename "$PAGE_PDF"), $(identify -format '%wx%h' "$E2E_TMP/page.png") px at 96 dpi"

key ctrl+x
click 421 434
status=$(e2e_wait_exit 100)
[ "$status" = "0" ] || fail "Ctrl+X and Da end the program with status $status"
echo "1 passed, 0 failed"
