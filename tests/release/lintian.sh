#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a Debian developer would check it: lintian finds no
# error and no warning but the one it is told about (the program folder under
# /opt), and the package carries what Debian asks of every package.
set -euo pipefail
BUILD_DIR=$(cd "${1:?build folder}" && pwd)
TMP=$(mktemp -d /tmp/rd-lintian-XXXXXX)
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "lintian is not installed (tools/debian-packages.txt lists it)"

(cd "$BUILD_DIR" && cpack -B "$TMP/pkg" >"$TMP/cpack.log" 2>&1) || fail "cpack failed: $(tail -5 "$TMP/cpack.log")"
debs=("$TMP"/pkg/*.deb)
DEB=${debs[0]}
[ -f "$DEB" ] || fail "cpack made no package"
version=$(dpkg-deb -f "$DEB" Version)

# Errors and warnings fail the run; overridden tags show as "O:" and do not.
lintian --fail-on none --show-overrides --info "$DEB" >"$TMP/lintian.log" 2>&1 \
    || fail "lintian could not check the package: $(tail -5 "$TMP/lintian.log")"
grep -v '^N:' "$TMP/lintian.log" | grep -v '^O: rainbowdrop: dir-or-file-in-opt' || true
echo "($(grep -c '^O: rainbowdrop: dir-or-file-in-opt' "$TMP/lintian.log") files under /opt overridden)"
if grep -Eq '^[EW]: ' "$TMP/lintian.log"; then
    fail "lintian found errors or warnings: $(grep -E '^[EW]: ' "$TMP/lintian.log" | head -10)"
fi
grep -q "^O: rainbowdrop: dir-or-file-in-opt" "$TMP/lintian.log" \
    || fail "the override of the folder under /opt was not used: lintian reads no override, or no longer needs it"

dpkg-deb -x "$DEB" "$TMP/root"
doc="$TMP/root/usr/share/doc/rainbowdrop"
head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "the copyright file is not machine-readable"
changelog_version=$(zcat "$doc/changelog.gz" | sed -n '1s/^rainbowdrop (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] \
    || fail "the changelog's last entry is for ${changelog_version:-nothing}, the package is $version: add an entry to packaging/changelog"
man_warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$TMP/root/usr/share/man/man6/rainbowdrop.6.gz" 2>&1 >/dev/null || true)
[ -z "$man_warnings" ] || fail "the manual page has troff warnings: $man_warnings"
zcat "$TMP/root/usr/share/man/man6/rainbowdrop.6.gz" | grep -q "Rainbow Drop $version" \
    || fail "the manual page is not for version $version"
grep -q "<release version=\"$version\"" "$TMP/root/usr/share/metainfo/"*.metainfo.xml \
    || fail "the AppStream metadata has no release $version"
cmp -s "$TMP/root/usr/share/doc/rainbowdrop/THIRD-PARTY.md" "$TMP/root/opt/rainbowdrop/THIRD-PARTY.txt" \
    || fail "the list of third-party parts differs between the documentation and the program folder"
echo "1 passed, 0 failed"
