#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under valgrind's memcheck for a short run: start-up, a
# palette click, a fill, the brush, the effects and music switches, the gallery and a
# drawing chosen there, the information panel, then Ctrl+X and Da. No
# definite leak and no invalid or uninitialised access may involve our code.
# The libraries' own noise (SDL, X, Mesa, fontconfig, FluidSynth) is
# suppressed by valgrind.supp or ignored: only errors with a frame in the
# program's own code count.
source "$(dirname "$0")/lib.sh" "$1"
here=$(cd "$(dirname "$0")" && pwd)
command -v valgrind >/dev/null || fail "valgrind is not installed"

env SDL_AUDIODRIVER=dummy \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=40 --keep-debuginfo=yes --suppressions="$here/valgrind.supp" --xml=yes --xml-file="$E2E_TMP/memcheck.%p.xml" \
    --log-file="$E2E_TMP/memcheck.log" "$PROG/rainbowdrop" >"$E2E_TMP/stdout.log" 2>"$E2E_TMP/stderr.log" &
APP_PID=$!
program_pid=$APP_PID

# Start-up under valgrind is slow: wait until the window shows the colouring
# screen (a white area of drawing 1, found from the file itself).
read -r WX WY _ _ < <(/usr/bin/python3 "$here/find_area.py" "$PROG/PICTURE/01.GIF")
for _ in $(seq 1 120); do
    sleep 1
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during start-up under valgrind: $(tail -20 "$E2E_TMP/memcheck.log")"
    shot "$E2E_TMP/start.png" 2>/dev/null || continue
    [ "$(pixel "$E2E_TMP/start.png" $((30 + WX)) $((29 + WY)))" = "255,255,255" ] && break
done
sleep 8  # the second three-second wait, slowed down

E2E_SETTLE=1.5
click 800 700        # a palette button
click $((30 + WX)) $((29 + WY))  # a fill on the canvas
click 835 611        # the brush
xdotool mousemove 300 300 mousedown 1 mousemove 320 310 mousemove 340 330 mouseup 1
sleep 1
click 900 610        # the fill tool again
click 860 524        # sound effects off and on again
click 860 524
click 958 524        # the music on ...
sleep 2
click 958 524        # ... and off
click 912 325        # the gallery
click 119 109        # drawing 1 from the gallery
key ctrl+r           # the information panel
click 668 282        # closed again
key ctrl+x
sleep 1
click 421 434        # Da
# Waited for here, not in a subshell: valgrind's leak search at the end takes
# a while, and the exit status is read from the process itself.
for _ in $(seq 1 1500); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
status=0
wait "$APP_PID" || status=$?
APP_PID=""
[ "$status" = 0 ] || fail "exit status $status under valgrind, expected 0: $(tail -20 "$E2E_TMP/memcheck.log")"

# Count the errors that have a frame in our code: the program itself, not a library.
/usr/bin/python3 - "$E2E_TMP/memcheck.$program_pid.xml" "$PROG/rainbowdrop" <<'EOF' || fail "memcheck found errors in our code (above)"
import sys
import xml.etree.ElementTree as ET
xml_file, program = sys.argv[1], sys.argv[2]
root = ET.parse(xml_file).getroot()
ours = []
total = 0
for err in root.iter('error'):
    total += 1
    kind = err.findtext('kind')
    frames = err.findall('./stack/frame')
    if any((f.findtext('obj') or '') == program for f in frames):
        what = err.findtext('what') or (err.find('xwhat').findtext('text') if err.find('xwhat') is not None else '')
        where = ['%s (%s:%s)' % (f.findtext('fn'), f.findtext('file'), f.findtext('line')) for f in frames
                 if (f.findtext('obj') or '') == program][:6]
        ours.append((kind, what, where))
suppressed = {p.findtext('name'): int(p.findtext('count')) for p in root.iter('pair') if p.find('name') is not None}
print('memcheck: %d errors reported, %d of them in our code; library noise suppressed: %s'
      % (total, len(ours), ', '.join('%s x%d' % kv for kv in sorted(suppressed.items())) or 'none'))
for kind, what, where in ours:
    print('  %s: %s' % (kind, what))
    for w in where:
        print('      at ' + w)
sys.exit(1 if ours else 0)
EOF
echo "1 passed, 0 failed"
