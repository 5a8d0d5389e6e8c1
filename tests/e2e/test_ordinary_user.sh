#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up as an ordinary user. A throw-away user with sudo clones the
# committed sources and runs "bash tools/run" without a display: the one
# package missing from the machine is installed through sudo, the build runs
# as the user, the screenshot appears and the program runs as that user,
# never as root. Then, as that user, the tests that need root run through
# sudo, and once sudo is taken away they are skipped, each with its reason.
# It makes and removes the user and its sudoers rule, so it runs as root.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/root.sh"
become_root "making a throw-away user" "$@"
source "$here/lib.sh" "$1"

command -v git >/dev/null || fail "git is not installed"
command -v sudo >/dev/null || fail "sudo is not installed"
git_() { git -c safe.directory='*' "$@"; }  # the sources may belong to another user
SRC=$(git_ -C "$here" rev-parse --show-toplevel 2>/dev/null) || skip "the sources are not a git checkout, so there is nothing to clone"
COMMIT=$(git_ -C "$SRC" rev-parse HEAD)
# A package the machine lacks, named in the clone's package list, shows that
# tools/run installs through sudo; hello is small and nothing needs it.
PROBE=hello
probe_installed() { dpkg-query -W -f='${Status}' "$PROBE" 2>/dev/null | grep -q "install ok installed"; }
PROBE_MINE=""

U=""
SUDOERS=""
RUN_PID=""
user_cleanup() {
    if [ -n "$RUN_PID" ]; then kill "$RUN_PID" 2>/dev/null || true; wait "$RUN_PID" 2>/dev/null || true; fi
    if [ -n "$SUDOERS" ]; then rm -f "$SUDOERS"; fi
    if [ -n "$U" ]; then
        local p
        for _ in $(seq 1 50); do pgrep -u "$U" >/dev/null || break; sleep 0.1; done
        for p in $(pgrep -u "$U" || true); do kill "$p" 2>/dev/null || true; done
        userdel -r "$U" >/dev/null 2>&1 || true
    fi
    if [ -n "$PROBE_MINE" ]; then apt-get purge -y -qq "$PROBE" >/dev/null 2>&1 || true; fi
    e2e_cleanup
}
trap user_cleanup EXIT

# ---- The user, its sudo rule and its clone ----
for n in $(seq 1 50); do
    U="rduser$$x$n"
    getent passwd "$U" >/dev/null || getent group "$U" >/dev/null || break
done
useradd -m -s /bin/bash "$U" || { U=""; fail "cannot create a user"; }
HOME_U=$(getent passwd "$U" | cut -d: -f6)
SUDOERS="/etc/sudoers.d/rainbowdrop-test-$U"
echo "$U ALL=(ALL:ALL) NOPASSWD: ALL" >"$SUDOERS.new"
chmod 440 "$SUDOERS.new"
visudo -cqf "$SUDOERS.new" || fail "the sudoers rule is not valid"
mv "$SUDOERS.new" "$SUDOERS"
# Runs a command as that user with a desktop session's environment and
# nothing of root's: no DISPLAY, and the PATH of an ordinary user.
as_user() {
    setpriv --reuid="$U" --regid="$U" --init-groups \
        env -i HOME="$HOME_U" USER="$U" LOGNAME="$U" SHELL=/bin/bash LANG=C.UTF-8 \
        PATH=/usr/local/bin:/usr/bin:/bin "$@"
}
as_user sudo -n true || fail "$U cannot use sudo"

CLONE="$HOME_U/rainbowdrop"
git_ clone -q --no-hardlinks "$SRC" "$CLONE" || fail "cannot clone $SRC"
git_ -C "$CLONE" checkout -q --detach "$COMMIT" || fail "the clone has no commit $COMMIT"
if probe_installed; then
    echo "$PROBE is installed already: tools/run will have nothing to install"
else
    echo "$PROBE" >>"$CLONE/tools/debian-packages.txt"
    PROBE_MINE=1
fi
chown -R "$U:$U" "$CLONE"

# ---- bash tools/run, as the user, without a display ----
# Starts tools/run as the user (the words before it, such as "sudo -n", come
# first) and waits for the screenshot; sets the seconds until the package
# step ended (T_BUILD), the build ended (T_DISPLAY) and the screenshot came
# (T_SHOT).
start_run() {  # log, then words before "bash tools/run"
    local log=$1 start now
    shift
    T_BUILD="" T_DISPLAY="" T_SHOT=""
    rm -f "$CLONE/build/screenshot.png"
    start=$(date +%s)
    as_user timeout 1500 bash -c 'cd "$HOME/rainbowdrop" && exec "$@" bash tools/run' sh "$@" >"$log" 2>&1 &
    RUN_PID=$!
    for _ in $(seq 1 1500); do
        now=$(($(date +%s) - start))
        [ -z "$T_BUILD" ] && [ -d "$CLONE/build" ] && T_BUILD=$now
        [ -z "$T_DISPLAY" ] && pgrep -u "$U" -x Xvfb >/dev/null && T_DISPLAY=$now
        grep -q "Press Ctrl+C to stop" "$log" && { T_SHOT=$now; return 0; }
        kill -0 "$RUN_PID" 2>/dev/null || fail "tools/run ended: $(tail -15 "$log")"
        sleep 1
    done
    fail "no screenshot within 25 minutes: $(tail -15 "$log")"
}
# The screenshot is there, and the program, and everything the build made,
# belong to the user.
check_run() {  # how it was started
    local shot="$CLONE/build/screenshot.png" colours owners foreign
    [ "$(identify -format '%wx%h' "$shot")" = 1024x768 ] || fail "$1: the screenshot is not 1024 x 768"
    colours=$(convert "$shot" -format %k info:)
    [ "$colours" -gt 20 ] || fail "$1: the screenshot shows almost nothing ($colours colours)"
    owners=$(ps -eo user:40=,args= | awk -v p="$CLONE/build/rainbowdrop" '$2 == p { print $1 }' | sort -u)
    [ -n "$owners" ] || fail "$1: the program is not running"
    [ "$owners" = "$U" ] || fail "$1: the program runs as $(tr '\n' ' ' <<<"$owners"), not only as $U"
    foreign=$(find "$CLONE" ! -user "$U" -printf '%u %p\n' | head -3)
    [ -z "$foreign" ] || fail "$1: the clone holds files of others: $foreign"
}
# Ctrl+C (here TERM to the user's tools/run, which sudo may stand before)
# stops the program and its display.
stop_run() {  # how it was started
    local left p
    for p in $(pgrep -u "$U" -f '^bash tools/run$'); do kill "$p"; done
    wait "$RUN_PID" 2>/dev/null || true
    RUN_PID=""
    for _ in $(seq 1 50); do pgrep -u "$U" >/dev/null || break; sleep 0.1; done
    left=$(pgrep -a -u "$U" || true)
    [ -z "$left" ] || fail "$1: still running after tools/run was stopped: $left"
}

start_run "$E2E_TMP/run.log"
echo "bash tools/run as $U: packages $T_BUILD s, build $((T_DISPLAY - T_BUILD)) s ($(nproc) cores), screenshot after $T_SHOT s"
if [ -n "$PROBE_MINE" ]; then
    grep -q "^Installing: $PROBE" "$E2E_TMP/run.log" || fail "tools/run did not say what it installs: $(head -5 "$E2E_TMP/run.log")"
    grep -q "apt-get runs as root through sudo" "$E2E_TMP/run.log" || fail "tools/run did not say it uses sudo: $(head -5 "$E2E_TMP/run.log")"
    probe_installed || fail "tools/run did not install $PROBE through sudo"
fi
check_run "bash tools/run"
stop_run "bash tools/run"

# Started through sudo by mistake, it still builds and plays as the user.
start_run "$E2E_TMP/sudo-run.log" sudo -n
echo "sudo bash tools/run as $U: screenshot after $T_SHOT s"
check_run "sudo bash tools/run"
stop_run "sudo bash tools/run"

# ---- The tests that need root, as the user: through sudo ----
# The printing test with the clone's build; the package test with the build
# under test, which it reads as root after calling sudo.
user_test() {  # script build-folder log
    as_user bash "$CLONE/tests/e2e/$1" "$2" >"$E2E_TMP/$3" 2>&1
}
status=0
user_test test_print.sh "$CLONE/build" print.log || status=$?
[ "$status" = 0 ] || fail "test_print.sh as $U ended with $status: $(tail -5 "$E2E_TMP/print.log")"
grep -q "^printed: " "$E2E_TMP/print.log" || fail "test_print.sh as $U printed nothing: $(tail -5 "$E2E_TMP/print.log")"
echo "test_print.sh as $U: $(grep '^printed: ' "$E2E_TMP/print.log") (its scheduler through sudo)"
status=0
user_test test_package.sh "$BUILD_DIR" package.log || status=$?
[ "$status" = 0 ] || fail "test_package.sh as $U ended with $status: $(tail -5 "$E2E_TMP/package.log")"
grep -q "runs again through sudo" "$E2E_TMP/package.log" || fail "test_package.sh as $U did not use sudo: $(head -3 "$E2E_TMP/package.log")"
grep -q "^1 passed, 0 failed" "$E2E_TMP/package.log" || fail "test_package.sh as $U did not finish: $(tail -5 "$E2E_TMP/package.log")"
echo "test_package.sh as $U: passed through sudo"
foreign=$(find "$CLONE" ! -user "$U" -printf '%u %p\n' | head -3)
[ -z "$foreign" ] || fail "the tests through sudo left files of others in the clone: $foreign"

# ---- Without sudo: skipped, with the reason ----
rm -f "$SUDOERS"
SUDOERS=""
! as_user sudo -n true 2>/dev/null || fail "$U still has sudo"
for t in test_print.sh test_package.sh; do
    status=0
    user_test "$t" "$CLONE/build" skip.log || status=$?
    [ "$status" = 77 ] || fail "$t as $U without sudo ended with $status, not 77 (skipped): $(tail -5 "$E2E_TMP/skip.log")"
    reason=$(grep '^SKIP: ' "$E2E_TMP/skip.log" || true)
    grep -q "needs root" <<<"$reason" || fail "$t as $U without sudo gave no reason: $(tail -5 "$E2E_TMP/skip.log")"
    echo "$t as $U without sudo: $reason"
done
echo "1 passed, 0 failed"
