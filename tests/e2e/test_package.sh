#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack builds rainbowdrop_<version>_amd64.deb, apt (or
# dpkg) installs it, and ordinary desktop users start it with the menu's
# command: Ctrl+P saves into the shared picture folder and prints on the
# default printer. Purging it leaves nothing behind. Installs and removes a
# real package and two users, so it runs as root: run by an ordinary user it
# runs again through sudo, or is skipped with its reason. It refuses to touch
# an installation it did not make.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/root.sh"
become_root "installing a package" "$@"
source "$here/lib.sh" "$1"

PKG=rainbowdrop
PREFIX=/opt/rainbowdrop
SAVED="$PREFIX/MY_PICTURE/01.GIF"
DESKTOP=/usr/share/applications/rainbowdrop.desktop
ICON32=/usr/share/icons/hicolor/32x32/apps/rainbowdrop.png
ICON256=/usr/share/icons/hicolor/256x256/apps/rainbowdrop.png
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${db:Status-Status}' "$PKG" 2>/dev/null | grep -qv '^not-installed$'; }

if installed || [ -e "$PREFIX" ]; then
    fail "$PKG is already on this machine ($PREFIX); the test installs and purges its own build and leaves an existing installation alone"
fi
command -v cupsd >/dev/null || fail "cupsd is not installed"

USERS_MADE=()
EXTRA_PACKAGES=()
CUPS_DIR=""
CUPSD_PID=""
package_cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; wait "$APP_PID" 2>/dev/null || true; fi
    APP_PID=""
    e2e_stop_cupsd
    if installed; then dpkg --purge "$PKG" >/dev/null 2>&1 || true; fi
    if [ ${#EXTRA_PACKAGES[@]} -gt 0 ]; then apt-get -o DPkg::Lock::Timeout=600 purge -y -qq "${EXTRA_PACKAGES[@]}" >/dev/null 2>&1 || true; fi
    local u p
    for u in "${USERS_MADE[@]}"; do
        # The splash companion ends on its own within three seconds.
        for _ in $(seq 1 50); do pgrep -u "$u" >/dev/null || break; sleep 0.1; done
        for p in $(pgrep -u "$u" || true); do kill "$p" 2>/dev/null || true; done
        userdel -r "$u" >/dev/null 2>&1 || true
    done
    e2e_remove_cupsd
    e2e_cleanup
}
trap package_cleanup EXIT

# ---- Build the package ----
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $BUILD_DIR/CMakeCache.txt"
# cpack writes into the build folder too, so it runs as the folder's owner:
# an ordinary user's build, tested through sudo, stays wholly theirs.
builder=$(stat -c %u "$BUILD_DIR")
as_builder=()
if [ "$builder" != 0 ]; then
    as_builder=(setpriv --reuid="$builder" --regid="$(stat -c %g "$BUILD_DIR")" --init-groups
        env HOME="$(getent passwd "$builder" | cut -d: -f6)")
    chmod 755 "$E2E_TMP"
fi
mkdir "$E2E_TMP/pkg"
chown "$builder" "$E2E_TMP/pkg"
(cd "$BUILD_DIR" && CMAKE_BUILD_PARALLEL_LEVEL=2 "${as_builder[@]}" cpack -B "$E2E_TMP/pkg" >"$E2E_TMP/cpack.log" 2>&1) \
    || fail "cpack failed: $(tail -5 "$E2E_TMP/cpack.log")"
arch=$(dpkg --print-architecture)
DEB="$E2E_TMP/pkg/${PKG}_${version}_${arch}.deb"
[ -f "$DEB" ] || fail "cpack made $(cd "$E2E_TMP/pkg" && ls -- *.deb 2>/dev/null), not $(basename "$DEB")"
[ "$(dpkg-deb -f "$DEB" Package)" = "$PKG" ] || fail "the package is not named $PKG"
[ "$(dpkg-deb -f "$DEB" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb -f "$DEB" Architecture)" = "$arch" ] || fail "the package is not for $arch"

# Every declared dependency must name real packages that satisfy it here,
# where the program demonstrably runs: one alternative of each group installed.
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0 libcups2; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "the package does not depend on $lib: $depends"
done
grep -Eq "timgm6mb-soundfont \| fluid-soundfont-gm" <<<"$depends" || fail "no General MIDI sound font among the dependencies: $depends"
while IFS= read -r group; do
    ok=""
    IFS='|' read -ra alternatives <<<"$group"
    for alt in "${alternatives[@]}"; do
        name=$(awk '{print $1}' <<<"$alt")
        if dpkg-query -W -f='${db:Status-Status}' "$name" 2>/dev/null | grep -q '^installed$'; then ok=1; fi
    done
    [ -n "$ok" ] || fail "no package of the dependency \"$group\" is installed on this machine"
done < <(tr ',' '\n' <<<"$depends" | sed 's/^ *//')

# Another package operation on the machine (automatic updates) may hold
# dpkg's lock for a while: apt-get waits for it.
# ---- Install it as a user would: apt-get install ./file.deb, else dpkg -i ----
cp "$DEB" "$E2E_TMP/install.deb"
chmod 644 "$E2E_TMP/install.deb"
chmod 755 "$E2E_TMP"  # apt's download user reads local packages
how=""
if sim=$(apt-get install -s --no-install-recommends "$E2E_TMP/install.deb" 2>/dev/null); then
    mapfile -t EXTRA_PACKAGES < <(awk '/^Inst / && $2 != "'"$PKG"'" {print $2}' <<<"$sim")
    if apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "$E2E_TMP/install.deb" >"$E2E_TMP/apt.log" 2>&1; then
        how="apt-get"
    fi
fi
if [ -z "$how" ]; then
    EXTRA_PACKAGES=()
    echo "apt-get could not install it ($(tail -1 "$E2E_TMP/apt.log" 2>/dev/null)); trying dpkg -i"
    if dpkg -i "$E2E_TMP/install.deb" >"$E2E_TMP/dpkg.log" 2>&1; then
        how="dpkg"
    else
        dpkg --purge "$PKG" >/dev/null 2>&1 || true
        skip "neither apt-get nor dpkg could install the package: $(tail -2 "$E2E_TMP/dpkg.log")"
    fi
fi
echo "installed $(basename "$DEB") with $how${EXTRA_PACKAGES[*]:+ (and ${EXTRA_PACKAGES[*]})}"

# ---- What it installed ----
for f in rainbowdrop MARIGOLD.EXE about.html credits.html; do
    [ -f "$PREFIX/$f" ] || fail "not installed: $PREFIX/$f"
done
[ -x "$PREFIX/rainbowdrop" ] && [ -x "$PREFIX/MARIGOLD.EXE" ] || fail "the programs are not executable"
# The asset folders hold exactly the files of the build's program folder.
for d in PICTURE SOUND MUSIC; do
    diff -r "$BUILD_DIR/$d" "$PREFIX/$d" >"$E2E_TMP/diff.log" 2>&1 || fail "$PREFIX/$d differs from the build: $(head -3 "$E2E_TMP/diff.log")"
done
[ -d "$PREFIX/MY_PICTURE" ] && [ -z "$(ls -A "$PREFIX/MY_PICTURE")" ] || fail "MY_PICTURE is missing or not empty"
[ -x /usr/bin/rainbowdrop ] || fail "no rainbowdrop command in /usr/bin"
[ "$(identify -format '%wx%h' "$ICON32")" = 32x32 ] || fail "no 32 x 32 icon at $ICON32"
[ "$(identify -format '%wx%h' "$ICON256")" = 256x256 ] || fail "no 256 x 256 icon at $ICON256"
[ -f "$DESKTOP" ] || fail "no menu entry $DESKTOP"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$DESKTOP" || fail "the menu entry is not valid"
else
    echo "desktop-file-validate is not installed: the menu entry is checked by hand only"
fi
entry() { sed -n "s/^$1=//p" "$DESKTOP" | head -1; }
[ "$(entry Type)" = Application ] || fail "the menu entry is not an application"
[ "$(entry Icon)" = rainbowdrop ] || fail "the menu entry's icon is $(entry Icon), not the installed one"
EXEC=$(entry Exec)
[ "$(command -v "${EXEC%% *}")" = /usr/bin/rainbowdrop ] || fail "the menu entry runs \"$EXEC\", not the installed command"

# Only the picture folder is writable by anyone but root, and only by its group.
owners=$(find "$PREFIX" /usr/bin/rainbowdrop "$DESKTOP" "$ICON32" "$ICON256" ! -user root -printf '%p\n')
[ -z "$owners" ] || fail "not owned by root: $owners"
writable=$(find "$PREFIX" /usr/bin/rainbowdrop "$DESKTOP" "$ICON32" "$ICON256" \( -perm -g+w -o -perm -o+w \) -printf '%p\n')
[ "$writable" = "$PREFIX/MY_PICTURE" ] || fail "writable by others than root: ${writable:-nothing}"
[ "$(stat -c '%U:%G %a' "$PREFIX/MY_PICTURE")" = "root:users 2775" ] \
    || fail "MY_PICTURE is $(stat -c '%U:%G %a' "$PREFIX/MY_PICTURE"), expected root:users 2775"

# ---- A printer: a scheduler of our own with a PDF printer ----
e2e_start_cupsd

# ---- Ordinary desktop users start it from the menu and press Ctrl+P ----
NEW_USER=""
new_user() {
    local n
    for n in $(seq 1 50); do
        NEW_USER="rdpkg$$x$n"
        getent passwd "$NEW_USER" >/dev/null || getent group "$NEW_USER" >/dev/null || break
    done
    useradd -m -s /bin/sh -G users "$NEW_USER" || fail "cannot create the user $NEW_USER"
    USERS_MADE+=("$NEW_USER")
}
# Runs the menu entry's command as that user, with a desktop session's
# environment and nothing of root's.
start_as() {  # user
    local home
    home=$(getent passwd "$1" | cut -d: -f6)
    # shellcheck disable=SC2086  # the Exec line is split like a launcher does
    setpriv --reuid="$1" --regid="$1" --init-groups \
        env -i HOME="$home" USER="$1" LOGNAME="$1" PATH=/usr/local/bin:/usr/bin:/bin DISPLAY="$DISPLAY" \
        CUPS_SERVER="$CUPS_SERVER" SDL_AUDIODRIVER=dummy $EXEC >"$E2E_TMP/stdout.log" 2>"$E2E_TMP/stderr.log" &
    APP_PID=$!
    sleep "${E2E_STARTUP_WAIT:-7}"
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during start-up as $1: $(cat "$E2E_TMP/stderr.log")"
    [ "$(stat -c %U "/proc/$APP_PID")" = "$1" ] || fail "the program does not run as $1"
}
# Ctrl+P saves the picture as this user and prints one page into their PDF folder.
save_and_print_as() {  # user
    local before home page=""
    home=$(getent passwd "$1" | cut -d: -f6)
    before=$(stat -c %i "$SAVED" 2>/dev/null || echo none)
    xdotool key ctrl+p
    for _ in $(seq 1 100); do
        [ "$(stat -c %i "$SAVED" 2>/dev/null || echo none)" != "$before" ] && break
        sleep 0.1
    done
    [ -f "$SAVED" ] || fail "Ctrl+P as $1 saved nothing: $(cat "$E2E_TMP/stderr.log")"
    [ "$(stat -c %i "$SAVED")" != "$before" ] || fail "Ctrl+P as $1 did not replace the saved picture: $(cat "$E2E_TMP/stderr.log")"
    [ "$(stat -c %U:%G "$SAVED")" = "$1:users" ] || fail "the saved picture is owned by $(stat -c %U:%G "$SAVED"), expected $1:users"
    [ "$(head -c 2 "$SAVED")" = BM ] || fail "the saved picture is not a bitmap"
    [ "$(stat -c %a "$SAVED")" = 644 ] || fail "the saved picture has mode $(stat -c %a "$SAVED"), expected 644"
    [ "$(find "$PREFIX/MY_PICTURE" -mindepth 1 | wc -l)" = 1 ] || fail "MY_PICTURE holds more than the picture: $(ls -A "$PREFIX/MY_PICTURE")"
    # The page comes after the three-second notice.
    for _ in $(seq 1 100); do
        page=$(find "$home/PDF" -maxdepth 1 -name '*-job_*.pdf' 2>/dev/null | head -1 || true)
        [ -n "$page" ] && break
        sleep 0.1
    done
    [ -n "$page" ] || fail "Ctrl+P as $1 printed nothing: $(e2e_cups_errors)"
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after Ctrl+P as $1"
    echo "$1: saved $SAVED ($(stat -c %s "$SAVED") bytes), printed $(basename "$page")"
}
stop_app() {
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
}

new_user
first=$NEW_USER
start_as "$first"
save_and_print_as "$first"
stop_app
# Another user replaces the first one's picture: the folder, not the file,
# must be writable for that (no sticky bit).
new_user
second=$NEW_USER
start_as "$second"
save_and_print_as "$second"
stop_app

# ---- Purge it: nothing of it stays ----
e2e_stop_cupsd
if [ "$how" = apt-get ]; then
    apt-get -o DPkg::Lock::Timeout=600 purge -y -qq "$PKG" >"$E2E_TMP/purge.log" 2>&1 || fail "apt-get purge failed: $(tail -3 "$E2E_TMP/purge.log")"
else
    dpkg --purge "$PKG" >"$E2E_TMP/purge.log" 2>&1 || fail "dpkg --purge failed: $(tail -3 "$E2E_TMP/purge.log")"
fi
! installed || fail "the package is still known to dpkg after the purge"
for f in "$PREFIX" /usr/bin/rainbowdrop "$DESKTOP" "$ICON32" "$ICON256"; do
    [ ! -e "$f" ] || fail "left behind after the purge: $f"
done
! dpkg-statoverride --list "$PREFIX/MY_PICTURE" >/dev/null || fail "the stat override of MY_PICTURE is left behind"
echo "1 passed, 0 failed"
