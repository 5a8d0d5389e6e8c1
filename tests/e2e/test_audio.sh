#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program heard through SDL's disk audio driver: the music switch
# starts and stops the tune, a palette click says its colour, the exit stops
# the music; with no usable audio driver the program works on in silence.
source "$(dirname "$0")/lib.sh" "$1"
TOOLS="/usr/bin/python3 $(dirname "$0")/audio_tools.py"
OUT="$E2E_TMP/output.raw"
SILENT=16
AUDIBLE=1000

# Sounds of our own in place of the shipped ones, so that what is heard is known.
$TOOLS midi "$PROG/MUSIC/001.MID" 20 21
$TOOLS tone "$PROG/SOUND/PLAVA.WAV" 0.5 10000 660

size() { stat -c %s "$OUT"; }
# Prints the peak of SECONDS of output from byte FROM, once it is written.
peak_after() {
    local from=$1 to
    to=$((from + $($TOOLS bytes "$2")))
    for _ in $(seq 1 200); do
        [ "$(size)" -ge "$to" ] && break
        sleep 0.05
    done
    $TOOLS peak "$OUT" "$from" "$to"
}

# e2e_wait_exit must run in this shell (a subshell cannot wait for the program).
exit_status() {
    e2e_wait_exit 100 >"$E2E_TMP/status"
    status=$(cat "$E2E_TMP/status")
}

MUSIC_ON_X=958 MUSIC_ON_Y=524   # the centre of MusicOn
BLUE_X=806 BLUE_Y=717           # PaletaPlava
YES_X=421 YES_Y=434             # Da on the exit panel

e2e_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$OUT"
[ -s "$OUT" ] || fail "the program opened no audio output"
p=$($TOOLS peak "$OUT" 0 "$(size)")
[ "$p" -le $SILENT ] || fail "the output is not silent at start (peak $p)"

from=$(size)
click $MUSIC_ON_X $MUSIC_ON_Y
p=$(peak_after "$from" 1.0)
[ "$p" -gt $AUDIBLE ] || fail "switching the music on is not heard (peak $p)"

click $MUSIC_ON_X $MUSIC_ON_Y
from=$(size)
p=$(peak_after "$from" 0.5)
[ "$p" -le $SILENT ] || fail "switching the music off does not silence it (peak $p)"

from=$(size)
click $BLUE_X $BLUE_Y
p=$(peak_after "$from" 0.6)
[ "$p" -gt 5000 ] || fail "a palette click does not say its colour (peak $p)"

# The exit with the music playing.
click $MUSIC_ON_X $MUSIC_ON_Y
p=$(peak_after "$(size)" 0.3)
[ "$p" -gt $AUDIBLE ] || fail "the music does not start a second time (peak $p)"
key ctrl+x
click $YES_X $YES_Y
exit_status
[ "$status" = "0" ] || fail "the exit with the music playing ended with $status"

# No audio driver that works: everything else as usual.
e2e_start SDL_AUDIODRIVER=no-such-driver
grep -q "no sound output" "$E2E_TMP/stderr.log" || fail "the missing output is not reported on standard error"
click $MUSIC_ON_X $MUSIC_ON_Y
click $BLUE_X $BLUE_Y
read -r WX WY _ _ < <(/usr/bin/python3 "$(dirname "$0")/find_area.py" "$PROG/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/silent.png"
expect_pixel "$E2E_TMP/silent.png" $((30 + WX)) $((29 + WY)) "0,0,255" "without sound the fill still works"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended without an audio output"
key ctrl+x
click $YES_X $YES_Y
exit_status
[ "$status" = "0" ] || fail "the exit without an audio output ended with $status"
echo "1 passed, 0 failed"
