#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Wine prefix that one run of the Windows end-to-end tests shares:
# a fresh one each run (about 15 s), quiet, with no sound card, no menu
# entries written into the home folder and no Mono or Gecko installers.
# Usage: make_prefix.sh PREFIX_FOLDER      (--remove: take it away after the run,
# its 700 MB being of no use to the next one)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/wine_env.sh" "${1:?prefix folder}"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
rm -rf "$WINEPREFIX"
if [ "${2:-}" = "--remove" ]; then rm -f "$WINEPREFIX.log" "$WINEPREFIX.lock"; exit 0; fi
started=$SECONDS
# Wine's output goes to files: piped, it would keep the pipe open until the
# Wine server ends.
wineboot -i >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log"; exit 1; }
wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >>"$WINEPREFIX.log" 2>&1
wineserver -w
[ -d "$WINEPREFIX/drive_c/windows" ] || { echo "no Wine prefix made: $(tail -5 "$WINEPREFIX.log")"; exit 1; }
echo "Wine prefix made in $((SECONDS - started)) s: $WINEPREFIX"
