#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer in a Wine prefix of its own: under 10 MB; a silent
# install puts the program in the user's %LOCALAPPDATA%\Programs\Rainbow Drop
# with Start-menu and desktop shortcuts to it and an uninstall entry; the
# installed program starts and Ctrl+P saves into its folder; a second silent
# install keeps the saved picture; a silent uninstall leaves nothing but the
# saved picture and takes the shortcuts and the entry away.
WINE_INSTALLER_PREFIX=$(mktemp -d /tmp/rd-wine-installer-XXXXXX)
export RD_WINE_PREFIX=$WINE_INSTALLER_PREFIX/prefix
source "$(dirname "$0")/lib_wine.sh" "$1"
E2E=$WINE_HERE/..
PY=/usr/bin/python3
installer_cleanup() {
    wine_cleanup
    rm -rf "$WINE_INSTALLER_PREFIX"
}
trap installer_cleanup EXIT
# No printer reachable: Ctrl+P only saves (the system's scheduler is never used).
export CUPS_SERVER=$E2E_TMP/no-scheduler.sock

SETUP=$(bash "$WINE_HERE/../../../packaging/windows/build-installer" "$BUILD_DIR" "$E2E_TMP/dist")
[ -f "$SETUP" ] || fail "no installer built"
size=$(stat -c %s "$SETUP")
[ "$size" -lt 10000000 ] || fail "the installer is $size bytes, not under 10 MB"

USER_DIR="$WINEPREFIX/drive_c/users/$(id -un)"
INST="$USER_DIR/AppData/Local/Programs/Rainbow Drop"
START_LNK="$USER_DIR/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Rainbow Drop.lnk"
DESKTOP_LNK="$USER_DIR/Desktop/Rainbow Drop.lnk"
KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\RainbowDrop'
install_silently() {
    wine "$SETUP" /S >"$E2E_TMP/setup.log" 2>&1 || fail "the silent install failed: $(tail -3 "$E2E_TMP/setup.log")"
    wine_settle
}
# The path a shortcut points at (a .lnk holds it as UTF-16 text).
lnk_target() {
    $PY - "$1" <<'PY'
import re, sys
data = open(sys.argv[1], "rb").read()
texts = [t.decode("utf-16-le") for t in re.findall(rb"(?:[\x20-\x7e]\x00){4,}", data)]
texts += [t.decode() for t in re.findall(rb"[\x20-\x7e]{4,}", data)]
for s in texts:
    m = re.search(r"[A-Za-z]:\\.*rainbowdrop\.exe$", s, re.I)
    if m:
        print(m.group(0))
        break
PY
}

# ---- Silent install ----
install_silently
[ -f "$INST/rainbowdrop.exe" ] || fail "nothing installed in $INST"
[ -f "$INST/uninstall.exe" ] || fail "no uninstaller in $INST"
for lnk in "$START_LNK" "$DESKTOP_LNK"; do
    [ -f "$lnk" ] || fail "no shortcut $lnk"
    target=$(lnk_target "$lnk")
    unix=$(winepath -u "$target" 2>/dev/null)
    [ -n "$target" ] && [ "$(readlink -f "$unix")" = "$(readlink -f "$INST/rainbowdrop.exe")" ] \
        || fail "the shortcut $(basename "$lnk") points at \"$target\", not the installed program"
done
wine reg query "$KEY" >"$E2E_TMP/entry.txt" 2>&1 || fail "no uninstall entry: $(cat "$E2E_TMP/entry.txt")"
wine_settle
for want in "DisplayName.*Rainbow Drop" "Publisher.*Rainbow Drop" "DisplayVersion.*1\.0\.0" \
            "DisplayIcon.*rainbowdrop\.exe" "EstimatedSize.*0x" "UninstallString.*uninstall\.exe"; do
    grep -q "$want" "$E2E_TMP/entry.txt" || fail "the uninstall entry lacks $want: $(cat "$E2E_TMP/entry.txt")"
done
echo "installed: $(du -sh "$INST" | cut -f1) from a $((size / 1024)) kB installer"

# ---- The installed program starts and saves ----
PROG=$INST
wine_start
read -r WX WY _ _ < <($PY "$E2E/find_area.py" "$INST/PICTURE/01.GIF")
click $((30 + WX)) $((29 + WY))
shot "$E2E_TMP/coloured.png"
key ctrl+p
sleep 4
SAVED="$INST/MY_PICTURE/01.GIF"
[ -f "$SAVED" ] || fail "Ctrl+P saved nothing into the installed program's folder"
$PY "$E2E/print_check.py" saved "$E2E_TMP/coloured.png" "$SAVED" || fail "the saved picture"
key ctrl+x
click 421 434
status=$(e2e_wait_exit 100)
[ "$status" = "0" ] || fail "the installed program ended with status $status"
wine_settle
saved_sum=$(md5sum <"$SAVED")

# ---- Installing again keeps the picture ----
install_silently
[ -f "$SAVED" ] && [ "$(md5sum <"$SAVED")" = "$saved_sum" ] || fail "installing again lost the saved picture"

# ---- Silent uninstall ----
wine "$INST/uninstall.exe" /S >"$E2E_TMP/uninstall.log" 2>&1 || fail "the silent uninstall failed"
wine_settle
left=$(cd "$INST" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./MY_PICTURE ./MY_PICTURE/01.GIF " ] || fail "after uninstalling, left behind: $left"
[ "$(md5sum <"$SAVED")" = "$saved_sum" ] || fail "the uninstall changed the saved picture"
[ ! -e "$START_LNK" ] || fail "the Start-menu shortcut is left"
[ ! -e "$DESKTOP_LNK" ] || fail "the desktop shortcut is left"
if wine reg query "$KEY" >"$E2E_TMP/entry2.txt" 2>&1; then fail "the uninstall entry is still there"; fi
wine_settle
echo "1 passed, 0 failed"
