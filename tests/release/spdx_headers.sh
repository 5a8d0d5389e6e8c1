#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/spdx-headers on a small tree of the kinds of files other branches
# bring: afterwards reuse lint passes, the first lines that must stay first
# do, scripts stay executable, Windows line ends stay, and a second run
# changes nothing.
set -euo pipefail
SRC=$(cd "${1:?source folder}" && pwd)
TMP=$(mktemp -d /tmp/rd-spdx-XXXXXX)
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v reuse >/dev/null || fail "reuse is not installed (tools/debian-packages.txt lists it)"

t="$TMP/tree"
mkdir -p "$t/tools" "$t/.reuse" "$t/platform/win32" "$t/art/audio" "$t/pages" "$t/packaging"
cp "$SRC/tools/spdx-headers" "$t/tools/"
cp -r "$SRC/LICENSES" "$t/"
cp "$SRC/.reuse/dep5" "$t/.reuse/"
printf '#!/bin/bash\necho hi\n' >"$t/tools/build-windows" && chmod 755 "$t/tools/build-windows"
printf '#pragma once\nint f();\n' >"$t/platform/win32/host.h"
printf '#include <windows.h>\r\n1 ICON "icon.ico"\r\n' >"$t/platform/win32/rainbowdrop.rc"
printf '\0\1\2binary' >"$t/platform/win32/icon.ico"
printf '<!DOCTYPE html>\n<html></html>\n' >"$t/pages/help.html"
printf '<?xml version="1.0"?>\n<component/>\n' >"$t/packaging/x.metainfo.xml"
printf '%%abc-2.1\nX:1\n' >"$t/art/audio/song.abc"
printf 'a list without comments\n' >"$t/art/audio/notes.dat"
printf '; installer\nName "x"\n' >"$t/packaging/setup.nsi"
git -C "$t" init -q && git -C "$t" add -A

"$t/tools/spdx-headers" >"$TMP/first.log"
(cd "$t" && reuse lint >"$TMP/lint.log" 2>&1) || fail "reuse lint after one run: $(cat "$TMP/lint.log")"
(cd "$t" && find . -path ./.git -prune -o -type f -print0 | sort -z | xargs -0 sha256sum) >"$TMP/after1"
out=$("$t/tools/spdx-headers")
[ -z "$out" ] || fail "a second run changed files: $out"
(cd "$t" && find . -path ./.git -prune -o -type f -print0 | sort -z | xargs -0 sha256sum) >"$TMP/after2"
cmp -s "$TMP/after1" "$TMP/after2" || fail "a second run changed bytes: $(diff "$TMP/after1" "$TMP/after2")"

[ "$(head -1 "$t/tools/build-windows")" = '#!/bin/bash' ] || fail "the shebang is no longer first"
[ -x "$t/tools/build-windows" ] || fail "the script lost its executable bit"
[ "$(head -1 "$t/pages/help.html")" = '<!DOCTYPE html>' ] || fail "the doctype is no longer first"
[ "$(head -1 "$t/packaging/x.metainfo.xml")" = '<?xml version="1.0"?>' ] || fail "the XML declaration is no longer first"
[ "$(head -1 "$t/art/audio/song.abc")" = '%abc-2.1' ] || fail "the ABC version line is no longer first"
grep -q 'License-Identifier: CC0-1.0' "$t/packaging/x.metainfo.xml" || fail "the AppStream metadata is not CC0"
grep -q 'License-Identifier: CC-BY-SA-4.0' "$t/art/audio/song.abc" || fail "a file in art/ is not CC BY-SA"
grep -q 'License-Identifier: GPL-3.0-or-later' "$t/platform/win32/host.h" || fail "the code is not GPL"
grep -q '^; SPDX-' "$t/packaging/setup.nsi" || fail "the NSIS script has no header in its own comments"
[ "$(grep -c $'\r$' "$t/platform/win32/rainbowdrop.rc")" = 4 ] || fail "the resource script lost its CR LF line ends"
grep -q 'License-Identifier: GPL-3.0-or-later' "$t/platform/win32/icon.ico.license" || fail "the binary file has no .license"
grep -q 'License-Identifier: CC-BY-SA-4.0' "$t/art/audio/notes.dat.license" || fail "the unknown file in art/ has no CC BY-SA .license"
[ "$(cmp -s <(printf '\0\1\2binary') "$t/platform/win32/icon.ico" && echo same)" = same ] || fail "the binary file was changed"
echo "1 passed, 0 failed"
