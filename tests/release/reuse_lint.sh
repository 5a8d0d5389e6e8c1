#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source says under which licence it is (reuse lint), and
# tools/spdx-headers has nothing left to add: the two agree.
set -euo pipefail
SRC=$(cd "${1:?source folder}" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v reuse >/dev/null || fail "reuse is not installed (tools/debian-packages.txt lists it)"
reuse --root "$SRC" lint || fail "reuse lint: files without copyright or licence (run tools/spdx-headers)"
out=$("$SRC/tools/spdx-headers" --check) || fail "tools/spdx-headers would still change: $out"
echo "1 passed, 0 failed"
