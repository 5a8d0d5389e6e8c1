#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound fixtures for the end-to-end tests, and a reader for the raw output of
SDL's disk audio driver (16-bit stereo, 44.1 kHz).

  audio_tools.py midi PATH NOTE_SECONDS END_SECONDS [PROGRAM]
      a one-note standard MIDI file (General MIDI instrument PROGRAM)
  audio_tools.py tone PATH SECONDS AMPLITUDE HZ
      a mono 16-bit WAV sine
  audio_tools.py peak RAW FROM_BYTE TO_BYTE
      the largest absolute sample in [FROM_BYTE, TO_BYTE)
  audio_tools.py bytes SECONDS
      how many bytes of output SECONDS make
"""
import math
import struct
import sys
import wave

RATE = 44100
FRAME = 4  # 16-bit stereo


def vlq(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.append((v & 0x7F) | 0x80)
        v >>= 7
    return bytes(reversed(out))


def midi(path, note_s, end_s, program=19):
    tps = 960  # 480 ticks a beat at 120 beats a minute
    note, end = round(note_s * tps), round(end_s * tps)
    track = (vlq(0) + bytes([0xC0, program]) + vlq(0) + bytes([0x90, 60, 127]) + vlq(note) +
             bytes([0x80, 60, 64]) + vlq(end - note) + bytes([0xFF, 0x2F, 0x00]))
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(track)) + track
    with open(path, "wb") as f:
        f.write(data)


def tone(path, seconds, amplitude, hz):
    frames = int(seconds * RATE)
    samples = b"".join(struct.pack("<h", round(amplitude * math.sin(2 * math.pi * hz * i / RATE)))
                       for i in range(frames))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples)


def peak(raw, start, stop):
    start -= start % FRAME
    with open(raw, "rb") as f:
        f.seek(start)
        data = f.read(max(0, stop - start))
    data = data[: len(data) - len(data) % 2]
    values = struct.unpack("<%dh" % (len(data) // 2), data)
    return max((abs(v) for v in values), default=0)


def main(argv):
    cmd = argv[1]
    if cmd == "midi":
        midi(argv[2], float(argv[3]), float(argv[4]), int(argv[5]) if len(argv) > 5 else 19)
    elif cmd == "tone":
        tone(argv[2], float(argv[3]), int(argv[4]), float(argv[5]))
    elif cmd == "peak":
        print(peak(argv[2], int(argv[3]), int(argv[4])))
    elif cmd == "bytes":
        print(int(float(argv[2]) * RATE) * FRAME)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
