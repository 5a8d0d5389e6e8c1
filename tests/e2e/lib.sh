# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers of the end-to-end tests: the real program in a private
# program folder, on its own Xvfb display, driven by xdotool.
# Usage in a test script:   source "$(dirname "$0")/lib.sh" "$1"
set -euo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/root.sh"
# The print scheduler's tools live in /usr/sbin, which an ordinary user's
# PATH leaves out.
case ":$PATH:" in *:/usr/sbin:*) ;; *) PATH="$PATH:/usr/sbin:/sbin" ;; esac

BUILD_DIR=$(cd "${1:?build folder}" && pwd)
E2E_TMP=$(mktemp -d /tmp/rd-e2e-XXXXXX)
PROG="$E2E_TMP/program"
XVFB_PID=""
APP_PID=""
WM_PID=""

e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    chmod -R u+rwX "$E2E_TMP" 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy of the built program folder, so a test may break files freely.
e2e_program_folder() {
    mkdir -p "$PROG"
    cp -a "$BUILD_DIR/rainbowdrop" "$BUILD_DIR/MARIGOLD.EXE" "$PROG/"
    for d in PICTURE SOUND MUSIC MY_PICTURE; do cp -a "$BUILD_DIR/$d" "$PROG/"; done
    cp -a "$BUILD_DIR"/*.html "$PROG/" 2>/dev/null || true
}

# A private X server at exactly 1024 x 768, the program's screen size.
e2e_display() {
    # Xvfb picks a free display number itself and writes it to the given
    # descriptor, so tests running side by side never race for one.
    Xvfb -displayfd 7 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp \
        7>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 200); do
        [ -s "$E2E_TMP/display" ] && break
        sleep 0.05
    done
    [ -s "$E2E_TMP/display" ] || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(tr -d '[:space:]' <"$E2E_TMP/display")"
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    fail "Xvfb did not answer on $DISPLAY"
}

e2e_window_manager() {
    openbox >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    sleep 0.5
}

# Starts the program and waits until start-up has finished (two waits of
# three seconds). Extra environment may be given as NAME=value arguments.
e2e_start() {
    rm -f "$E2E_TMP/app.status" "$E2E_TMP/app.pid"
    # A small shell of its own waits for the program and records how it ended,
    # so the status can be read from anywhere, command substitutions included.
    (
        env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$@" ${E2E_LAUNCHER:-} "$PROG/${E2E_EXE:-rainbowdrop}" >"$E2E_TMP/stdout.log" 2>"$E2E_TMP/stderr.log" &
        echo $! >"$E2E_TMP/app.pid"
        status=0
        wait $! || status=$?
        echo "$status" >"$E2E_TMP/app.status.tmp" && mv "$E2E_TMP/app.status.tmp" "$E2E_TMP/app.status"
    ) &
    for _ in $(seq 1 100); do [ -s "$E2E_TMP/app.pid" ] && break; sleep 0.02; done
    APP_PID=$(cat "$E2E_TMP/app.pid")
    sleep "${E2E_STARTUP_WAIT:-7}"
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during start-up: $(cat "$E2E_TMP/stderr.log")"
}

# Waits for the program to end and prints its exit status ("running" if it
# has not ended). It works in a command substitution too: the status comes
# from a file the program's own shell writes, since a subshell cannot wait
# for the program.
e2e_wait_exit() {
    for _ in $(seq 1 "${1:-100}"); do
        if [ -s "$E2E_TMP/app.status" ]; then
            cat "$E2E_TMP/app.status"
            return 0
        fi
        sleep 0.1
    done
    echo "running"
}

shot() { import -window root "$1"; }
# Prints "R,G,B" of one pixel of a screenshot.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'; }
click() {
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool click "${3:-1}"
    sleep "${E2E_SETTLE:-0.3}"
}
key() {
    xdotool key "$@"
    sleep "${E2E_SETTLE:-0.3}"
}
expect_pixel() {  # file x y "R,G,B" what
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) is $got, expected $4"
}

# A CUPS scheduler of our own with a PDF printer as the default: its
# configuration, spool and socket in a folder the filters (which run as lp)
# can reach; nothing of the system's is touched. The scheduler runs as root
# (through sudo for an ordinary user): only then may it start the PDF
# printer, which writes each page into the home folder of whoever printed.
# Sets CUPS_DIR, CUPSD_PID and CUPS_SERVER; the test calls e2e_stop_cupsd
# and e2e_remove_cupsd.
e2e_start_cupsd() {
    command -v cupsd >/dev/null || fail "cupsd is not installed"
    need_root "a print scheduler with the PDF printer"
    CUPS_DIR=$(mktemp -d /tmp/rd-cups-XXXXXX)
    chmod 755 "$CUPS_DIR"
    mkdir -p "$CUPS_DIR"/{conf,spool,cache,state,log}
    mkdir -m 1777 "$CUPS_DIR/tmp"
    cat >"$CUPS_DIR/conf/cups-files.conf" <<CONF
ServerRoot $CUPS_DIR/conf
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/tmp
CacheDir $CUPS_DIR/cache
StateDir $CUPS_DIR/state
ErrorLog $CUPS_DIR/log/error_log
AccessLog $CUPS_DIR/log/access_log
PageLog $CUPS_DIR/log/page_log
Printcap $CUPS_DIR/printcap
SystemGroup root
CONF
    cat >"$CUPS_DIR/conf/cupsd.conf" <<CONF
Listen $CUPS_DIR/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    export CUPS_SERVER="$CUPS_DIR/cups.sock"
    unset PRINTER LPDEST
    # A small shell tells the scheduler's own process number: through sudo,
    # $! would be sudo's.
    as_root sh -c 'echo $$ >"$1"; exec cupsd -f -c "$2" -s "$3"' sh "$CUPS_DIR/cupsd.pid" \
        "$CUPS_DIR/conf/cupsd.conf" "$CUPS_DIR/conf/cups-files.conf" >"$CUPS_DIR/log/cupsd.out" 2>&1 &
    CUPSD_JOB=$!
    for _ in $(seq 1 100); do [ -s "$CUPS_DIR/cupsd.pid" ] && break; sleep 0.05; done
    CUPSD_PID=$(cat "$CUPS_DIR/cupsd.pid" 2>/dev/null || true)
    [ -n "$CUPSD_PID" ] || fail "cupsd did not start: $(cat "$CUPS_DIR/log/cupsd.out")"
    for _ in $(seq 1 100); do lpstat -r 2>/dev/null | grep -q "scheduler is running" && break; sleep 0.1; done
    lpstat -r | grep -q "scheduler is running" || fail "cupsd did not start: $(cat "$CUPS_DIR/log/cupsd.out")"
    lpadmin -p RainbowTest -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null \
        || fail "cannot add the PDF printer"
    lpadmin -d RainbowTest
}

# The scheduler's last errors (its log is root's).
e2e_cups_errors() {
    as_root grep -E '^E' "$CUPS_DIR/log/error_log" 2>/dev/null | tail -3 || true
}

# Stops the scheduler and waits until it has gone; it may be root's.
e2e_stop_cupsd() {
    [ -n "${CUPSD_PID:-}" ] || return 0
    as_root kill "$CUPSD_PID" 2>/dev/null || true
    for _ in $(seq 1 100); do [ -d "/proc/$CUPSD_PID" ] || break; sleep 0.05; done
    wait "$CUPSD_JOB" 2>/dev/null || true
    CUPSD_PID=""
}

# Stops the scheduler and removes its folder, which it made partly root's.
e2e_remove_cupsd() {
    e2e_stop_cupsd
    if [ -n "${CUPS_DIR:-}" ]; then as_root rm -rf "$CUPS_DIR"; fi
    CUPS_DIR=""
}

# ---- Printing: pages come to the PDF folder of whoever printed ----
PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
MARK=""
# Starts the private scheduler and marks the time: new_pages lists the pages
# printed from then on.
e2e_print_watch() {
    e2e_start_cupsd
    MARK="$CUPS_DIR/mark"
    touch "$MARK"
    sleep 1.1  # so that pages printed from now on are newer than the mark
}
new_pages() { [ -d "$PDF_DIR" ] && find "$PDF_DIR" -maxdepth 1 -name '*-job_*.pdf' -newer "$MARK" | sort; }
# Stops and removes the scheduler, and deletes only the pages this test printed.
e2e_print_cleanup() {
    e2e_stop_cupsd
    [ -n "$MARK" ] && [ -d "$PDF_DIR" ] && find "$PDF_DIR" -maxdepth 1 -name '*-job_*.pdf' -newer "$MARK" -delete 2>/dev/null
    e2e_remove_cupsd
}
# Pixels that differ between two screenshots inside the printing notice's box.
notice_diff() {
    convert "$1" -crop 400x250+312+259 +repage "$E2E_TMP/box1.png"
    convert "$2" -crop 400x250+312+259 +repage "$E2E_TMP/box2.png"
    compare -metric AE "$E2E_TMP/box1.png" "$E2E_TMP/box2.png" null: 2>&1 || true
}

# ---- Steps several tests take the same way ----
# The brush, already chosen in blue, dragged 20 pixels to the right from
# (x, y): the line is blue, 3 pixels wide and no wider.
e2e_blue_brush_line() {  # x y
    xdotool mousemove $(($1 + 5)) "$2" mousedown 1
    for dx in 10 15 20 25; do xdotool mousemove $(($1 + dx)) "$2"; sleep 0.02; done
    xdotool mouseup 1
    sleep 0.3
    shot "$E2E_TMP/brush.png"
    expect_pixel "$E2E_TMP/brush.png" $(($1 + 15)) "$2" "0,0,255" "the brush draws a blue line"
    expect_pixel "$E2E_TMP/brush.png" $(($1 + 15)) $(($2 + 1)) "0,0,255" "the line is 3 pixels wide"
    [ "$(pixel "$E2E_TMP/brush.png" $(($1 + 15)) $(($2 + 3)))" != "0,0,255" ] || fail "the line is no wider than 3 pixels"
}

# A click on the eraser (825,412 112x61) while the canvas is watched, for
# longer than the longest wipe: $E2E_TMP/watch.txt gets a line per look,
# seconds and the share of the outline shown white. The mouse is over the
# eraser first, so that the click is all that happens when the wipe starts.
e2e_watched_wipe() {
    xdotool mousemove 881 442
    sleep 0.3
    /usr/bin/python3 "$E2E_DIR/watch_canvas.py" 4 "$E2E_TMP/watching" >"$E2E_TMP/watch.txt" &
    local watcher=$!
    for _ in $(seq 1 100); do [ -e "$E2E_TMP/watching" ] && break; sleep 0.05; done
    [ -e "$E2E_TMP/watching" ] || fail "the canvas watcher did not start"
    xdotool click 1
    wait "$watcher" || fail "the canvas watcher failed"
}

# A layer for another system (the Windows program under Wine) sets
# E2E_LATER_SETUP, brings its own program folder, and then calls these two.
if [ -z "${E2E_LATER_SETUP:-}" ]; then
    e2e_program_folder
    e2e_display
fi
