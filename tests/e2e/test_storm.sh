#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# A storm of a few thousand random mouse and key events against the real
# program: moves, presses and releases of every button and several at once,
# drags to the screen's edges, clicks on every control but Da, Alt, Windows
# and Menu keys, the Ctrl shortcuts, held keys. The program must live through
# it and still end cleanly with Ctrl+X and Da (exit status 0).
# RD_STORM_SEED=<n> replays one storm; RD_STORM_EVENTS=<n> sets its length.
source "$(dirname "$0")/lib.sh" "$1"

seed=${RD_STORM_SEED:-4242}
target=${RD_STORM_EVENTS:-3000}
RANDOM=$seed
echo "storm seed $seed, $target events"

# The web links start xdg-open: a stand-in notes the address instead of a browser.
mkdir -p "$E2E_TMP/bin"
printf '#!/bin/sh\necho "$@" >> "%s/urls"\n' "$E2E_TMP" >"$E2E_TMP/bin/xdg-open"
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH="$E2E_TMP/bin:$PATH"

e2e_start

# Control rectangles (left top width height), so that clicks land on every
# control often, not just where random points fall.
controls=(
    "30 29 750 600"   "919 485 78 78"  "835 485 78 79"  "832 241 160 169"
    "8 675 85 85"     "93 675 84 85"   "176 675 84 85"  "261 675 84 85"   "345 675 83 85"
    "428 675 85 85"   "513 675 83 85"  "596 675 84 85"  "680 675 84 85"   "764 675 84 85"
    "848 675 84 85"   "932 675 84 85"  "871 571 58 81"  "804 571 62 81"   "825 412 112 61"
    "936 412 63 61"   "30 0 192 40"    "568 409 85 50"  "346 395 330 62"  "459 462 110 35"
    "632 269 73 27"   "54 48 131 122"  "341 322 131 122" "629 596 131 122" "312 259 400 250"
)

R=0
rand() { R=$((RANDOM % $1)); }

# Da is never hit during the storm: it would end the program.
X=0 Y=0
avoid_da() {
    if [ "$X" -ge 368 ] && [ "$X" -lt 475 ] && [ "$Y" -ge 409 ] && [ "$Y" -lt 459 ]; then Y=$((Y + 60)); fi
}
random_point() {
    rand 2
    if [ "$R" -eq 0 ]; then
        rand ${#controls[@]}
        local l t w h
        read -r l t w h <<<"${controls[$R]}"
        rand "$w"; X=$((l + R))
        rand "$h"; Y=$((t + R))
    else
        rand 1024; X=$R
        rand 768; Y=$R
    fi
    avoid_da
}

keys_plain=(a p x r Escape Return space Tab F4 Left Up Delete shift+p shift+x ctrl+shift+p ctrl+shift+x
    alt+Tab alt+F4 alt+Escape alt+x super super+d Menu ctrl+alt+x ctrl+a ctrl+z)
keys_shortcut=(ctrl+x ctrl+x ctrl+r ctrl+r ctrl+p)
keys_held=(ctrl+r ctrl+x r)

cmd=()
events=0
held=""
batch_no=0
flush() {
    [ ${#cmd[@]} -gt 0 ] || return 0
    batch_no=$((batch_no + 1))
    xdotool "${cmd[@]}" 2>>"$E2E_TMP/xdotool.log" || fail "xdotool failed in batch $batch_no (seed $seed)"
    cmd=()
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the storm, batch $batch_no (seed $seed): $(tail -5 "$E2E_TMP/stderr.log")"
}

prints=0
while [ "$events" -lt "$target" ]; do
    rand 100
    if [ "$R" -lt 40 ]; then
        random_point; cmd+=(mousemove "$X" "$Y"); events=$((events + 1))
    elif [ "$R" -lt 52 ]; then
        rand 3; b=$((R + 1))
        random_point; cmd+=(mousemove "$X" "$Y" mousedown "$b"); held="$held $b"; events=$((events + 2))
    elif [ "$R" -lt 62 ]; then
        for b in $held; do cmd+=(mouseup "$b"); events=$((events + 1)); done
        held=""
    elif [ "$R" -lt 80 ]; then
        random_point
        rand 10; b=1; [ "$R" -eq 0 ] && b=3; [ "$R" -eq 1 ] && b=2
        cmd+=(mousemove "$X" "$Y" mousedown "$b" mouseup "$b"); events=$((events + 3))
    elif [ "$R" -lt 88 ]; then
        # A stroke from the canvas to anywhere, the screen's edges included.
        rand 750; X=$((30 + R)); rand 600; Y=$((29 + R)); avoid_da
        cmd+=(mousemove "$X" "$Y" mousedown 1)
        rand 12; n=$((R + 2))
        for _ in $(seq "$n"); do
            rand 5
            case $R in
            0) X=0 ;; 1) X=1023 ;; 2) Y=0 ;; 3) Y=767 ;;
            *) rand 1024; X=$R; rand 768; Y=$R ;;
            esac
            avoid_da
            cmd+=(mousemove "$X" "$Y")
        done
        cmd+=(mouseup 1); events=$((events + n + 3))
    elif [ "$R" -lt 97 ]; then
        rand 4
        if [ "$R" -eq 0 ]; then
            rand ${#keys_shortcut[@]}; k=${keys_shortcut[$R]}
            # Each print waits three seconds: only a few of them.
            if [ "$k" = ctrl+p ]; then
                if [ "$prints" -ge 3 ]; then k=ctrl+r; else prints=$((prints + 1)); fi
            fi
        else
            rand ${#keys_plain[@]}; k=${keys_plain[$R]}
        fi
        cmd+=(key "$k"); events=$((events + 1))
    else
        # A held key: the auto-repeat delivers it again and again.
        rand ${#keys_held[@]}; k=${keys_held[$R]}
        cmd+=(keydown "$k" sleep 0.8 keyup "$k"); events=$((events + 2))
    fi
    [ ${#cmd[@]} -ge 120 ] && flush
done
for b in $held; do cmd+=(mouseup "$b"); done
flush
echo "storm: $events events in $batch_no batches"

# Let the queued input, any wipe and any print notice run out: the program
# comes to rest (the music, if the storm left it on, takes little).
sleep 3
for _ in $(seq 1 60); do
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after the storm (seed $seed)"
    before=$(awk '{print $14 + $15}' "/proc/$APP_PID/stat")
    sleep 1
    after=$(awk '{print $14 + $15}' "/proc/$APP_PID/stat")
    [ $((after - before)) -le 20 ] && break
done
# A print notice waits idly: let one that started last run out too.
sleep 3.5

# Back to a state where Ctrl+X reaches the program: the colouring screen
# (Back), no exit panel (Ne), no information panel (Zatvori). Where one of
# them is not shown, the click falls on the background or the canvas.
E2E_SETTLE=0.5
click 100 15
click 610 434
click 668 282
key ctrl+x
sleep 0.5
click 421 434
status=$(e2e_wait_exit 100)
[ "$status" = 0 ] || fail "after the storm, Ctrl+X and Da: exit status $status, expected 0 (seed $seed)"
echo "1 passed, 0 failed"
