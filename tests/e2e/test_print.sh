#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+P in the real program saves the picture and prints it on a real CUPS
# scheduler (our own cupsd with a PDF printer): the page shows the picture at
# its natural size at the top-left with the painted colour. Without a printer
# and without a scheduler it stays silent and still saves the picture. The
# program runs as whoever runs the test; the scheduler needs root (sudo for
# an ordinary user), and without it the test is skipped with its reason.
source "$(dirname "$0")/lib.sh" "$1"

print_cleanup() {
    e2e_print_cleanup
    e2e_cleanup
}
trap print_cleanup EXIT
e2e_print_watch
SAVED="$PROG/MY_PICTURE/01.GIF"

e2e_start
read -r WX WY BX BY < <(/usr/bin/python3 "$E2E_DIR/find_area.py" "$PROG/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/coloured.png"
expect_pixel "$E2E_TMP/coloured.png" $((30 + WX)) $((29 + WY)) "255,0,0" "the area is coloured"
[ ! -e "$SAVED" ] || fail "a picture was saved before Ctrl+P"

# ---- With the PDF printer ----
xdotool key ctrl+p
sleep 1
shot "$E2E_TMP/notice.png"
[ "$(notice_diff "$E2E_TMP/coloured.png" "$E2E_TMP/notice.png")" -gt 10000 ] || fail "no printing notice during the print"
[ -z "$(new_pages)" ] || fail "a page was printed while the notice was still up"
for _ in $(seq 1 150); do [ -n "$(new_pages)" ] && break; sleep 0.1; done
PAGE_PDF=$(new_pages | head -1)
[ -n "$PAGE_PDF" ] || fail "no page printed: $(e2e_cups_errors)"
sleep 0.5  # the PDF printer may still be writing it
[ "$(new_pages | wc -l)" -eq 1 ] || fail "one Ctrl+P printed $(new_pages | wc -l) pages"
shot "$E2E_TMP/printed.png"
[ "$(notice_diff "$E2E_TMP/coloured.png" "$E2E_TMP/printed.png")" -eq 0 ] || fail "the notice is still shown after printing"
/usr/bin/python3 "$E2E_DIR/print_check.py" saved "$E2E_TMP/coloured.png" "$SAVED" || fail "the saved picture"
pdftoppm -r 96 -png -singlefile "$PAGE_PDF" "$E2E_TMP/page"
/usr/bin/python3 "$E2E_DIR/print_check.py" page "$E2E_TMP/page.png" "$SAVED" "255,0,0" || fail "the printed page"
echo "printed: $(basename "$PAGE_PDF"), $(identify -format '%wx%h' "$E2E_TMP/page.png") px at 96 dpi"

# ---- A scheduler without printers, then no scheduler at all ----
quiet_print() {  # what
    rm -f "$SAVED"
    local errors_before pages_before
    errors_before=$(wc -c <"$E2E_TMP/stderr.log")
    pages_before=$(new_pages | wc -l)
    xdotool key ctrl+p
    sleep 4.5
    kill -0 "$APP_PID" 2>/dev/null || fail "$1: the program ended"
    [ -e "$SAVED" ] || fail "$1: the picture was not saved"
    /usr/bin/python3 "$E2E_DIR/print_check.py" saved "$E2E_TMP/coloured.png" "$SAVED" || fail "$1: the saved picture"
    [ "$(new_pages | wc -l)" -eq "$pages_before" ] || fail "$1: a page was printed"
    [ "$(wc -c <"$E2E_TMP/stderr.log")" -eq "$errors_before" ] || fail "$1: the program said something: $(tail -2 "$E2E_TMP/stderr.log")"
    shot "$E2E_TMP/quiet.png"
    [ "$(notice_diff "$E2E_TMP/coloured.png" "$E2E_TMP/quiet.png")" -eq 0 ] || fail "$1: the notice is still shown"
}
lpadmin -x RainbowTest
quiet_print "no printer"
e2e_stop_cupsd
quiet_print "no scheduler"
echo "1 passed, 0 failed"
