#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of the whole program (under a private Xvfb, sound written by
# SDL's disk audio driver): before the music, with the music playing, and
# after ten more starts and stops. Prints its figures; target < 80 MB.
#   bench/audio_memory.sh BUILD_DIR
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../tests/e2e/lib.sh" "${1:?build folder}"
TOOLS="/usr/bin/python3 $HERE/../tests/e2e/audio_tools.py"

music="the shipped MUSIC/001.MID"
if [ ! -s "$PROG/MUSIC/001.MID" ]; then
    $TOOLS midi "$PROG/MUSIC/001.MID" 60 61
    music="a stand-in tune (no MUSIC/001.MID in the build folder)"
fi
rss() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$APP_PID/status"; }
hwm() { awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$APP_PID/status"; }

e2e_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/output.raw"
before=$(rss)
click 958 524
sleep 1.5
playing=$(rss)
for _ in $(seq 1 10); do
    click 958 524
    click 958 524
done
sleep 1.5
cycled=$(rss)
echo "Resident memory of rainbowdrop, music: $music"
echo "  before the music:                 $before MB"
echo "  with the music playing:           $playing MB   (target < 80 MB)"
echo "  playing after 10 more off/on:     $cycled MB"
echo "  peak:                             $(hwm) MB"
