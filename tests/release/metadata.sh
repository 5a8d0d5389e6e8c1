#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the AppStream metadata, as the package installs them,
# pass their own validators: desktop-file-validate and appstreamcli (without
# the network, as on a build machine). Hints count as failures too.
set -euo pipefail
SRC=$(cd "${1:?source folder}" && pwd)
BUILD_DIR=$(cd "${2:?build folder}" && pwd)
TMP=$(mktemp -d /tmp/rd-metadata-XXXXXX)
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop="$SRC/packaging/rainbowdrop.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
# The categories of a painting program for children, and a command that exists.
grep -qx 'Categories=Education;Art;' "$desktop" || fail "the menu categories are $(grep '^Categories=' "$desktop")"

# Validated under the name it is installed with: appstreamcli checks that the
# file name and the component id agree.
metainfo=$(sed -n 's/.*<id>\(.*\)<\/id>.*/\1/p' "$BUILD_DIR/packaging/rainbowdrop.metainfo.xml").metainfo.xml
cp "$BUILD_DIR/packaging/rainbowdrop.metainfo.xml" "$TMP/$metainfo"
grep -q "RENAME $metainfo" "$SRC/cmake/Package.cmake" || fail "the package does not install the metadata as $metainfo"
out=$(appstreamcli validate --no-net --pedantic "$TMP/$metainfo" 2>&1) || fail "appstreamcli validate: $out"
if grep -Eq '^[EWIP]: ' <<<"$out"; then fail "appstreamcli has remarks: $out"; fi
grep -q '<launchable type="desktop-id">rainbowdrop.desktop</launchable>' "$TMP/$metainfo" \
    || fail "the metadata does not launch the menu entry rainbowdrop.desktop"
echo "2 passed, 0 failed"
