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
screen_size() { xdpyinfo | awk '/dimensions:/ && !n {print $2; n = 1}'; }
SIZE_BEFORE=$(screen_size)

# ---- Files spoiled past the length check ----
source "$E2E_DIR/spoiled_files.sh"
spoil_files
wine_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/output.raw"
use_spoiled_files
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
