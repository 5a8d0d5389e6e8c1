#!/bin/bash
# Resident memory of the real program stays flat: after a warm-up, 10,000
# mouse moves over the window's background and 1,000 clicks on the music
# switch (each rebuilds the music engine and loads or stops the tune) may
# add less than 2 MB.
source "$(dirname "$0")/lib.sh" "$1"
e2e_start

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }

# Moves between points of the background right of the canvas, above
# MoreImages, where no control lies.
moves() {  # count
    local cmd=() i
    for ((i = 0; i < $1; i++)); do
        cmd+=(mousemove $((790 + (i * 37) % 230)) $((5 + (i * 53) % 225)))
        if [ ${#cmd[@]} -ge 1500 ]; then xdotool "${cmd[@]}"; cmd=(); fi
    done
    [ ${#cmd[@]} -eq 0 ] || xdotool "${cmd[@]}"
}

# Clicks on MusicOn, in small groups so that the program keeps up with them.
switches() {  # count (even: the music ends as it started)
    local done_=0 n cmd
    while [ "$done_" -lt "$1" ]; do
        n=$(($1 - done_ < 20 ? $1 - done_ : 20))
        cmd=()
        for ((i = 0; i < n; i++)); do cmd+=(mousemove 958 524 mousedown 1 mouseup 1 mousemove 900 100); done
        xdotool "${cmd[@]}"
        done_=$((done_ + n))
        sleep 0.3
    done
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
# Until the program has worked through the input queued for it: a second in
# which it used (almost) no processor time.
settle() {
    local before after
    for _ in $(seq 1 120); do
        kill -0 "$APP_PID" 2>/dev/null || fail "the program ended: $(tail -5 "$E2E_TMP/stderr.log")"
        before=$(cpu_ticks)
        sleep 1
        after=$(cpu_ticks)
        [ $((after - before)) -le 2 ] && return 0
    done
    fail "the program did not come to rest"
}

# Warm-up: every picture, the music engine and the allocator's pools in use.
# The heap grows in steps over the first hundred or so engine rebuilds.
moves 1000
switches 200
settle
before=$(rss_kb)

moves 10000
switches 1000
settle
after=$(rss_kb)

growth=$((after - before))
echo "resident memory: $before kB after the warm-up, $after kB after 10000 moves and 1000 music switches ($growth kB more)"
[ "$growth" -lt 2048 ] || fail "resident memory grew by $growth kB (limit 2048 kB)"

# Still responsive: the exit question and Da end it cleanly.
key ctrl+x
click 421 434
status=$(e2e_wait_exit 100)
[ "$status" = 0 ] || fail "exit status $status after the run, expected 0"
echo "1 passed, 0 failed"
