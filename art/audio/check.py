#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Check the sound assets that art/audio/build.py writes.

    check.py --assets DIR

Every WAV file in DIR/SOUND must decode as uncompressed PCM (mono or stereo),
last no longer than its limit, and its peak level must lie near the others'.
DIR/MUSIC/001.MID must parse as a standard MIDI file and play for 60 to 120
seconds.  Prints one line per file with its length and levels; the exit
status is 1 when anything is wrong.
"""
import argparse
import math
import os
import struct
import sys
import wave

# The twelve spoken colour names, in palette order.
VOICES = ["CRVENA", "ZELENA", "ZUTA", "SVPLAVA", "ORANZ", "LJUBICASTA",
          "SIVA", "TAMNOZUTA", "BRAON", "PLAVA", "CRNA", "PINK"]

# Longest allowed length in seconds.  A colour name must be over before a
# child's next click is likely; the fill sound follows every click on the
# canvas; the swoosh accompanies a wipe of about a second.
MAX_SECONDS = {name: 1.5 for name in VOICES}
MAX_SECONDS.update({"FILL": 0.5, "WIPE": 1.3})
MIN_SECONDS = {"WIPE": 0.7}

MUSIC = "001.MID"
MUSIC_SECONDS = (60.0, 120.0)

# Peaks may differ from the loudest one by this much before it is a fault:
# a quiet file next to loud ones sounds like a broken one.
PEAK_SPREAD_DB = 6.0
# Nothing may touch full scale: that is where clipping starts.
MAX_PEAK_DBFS = -0.5


class CheckError(Exception):
    pass


# ---------------------------------------------------------------------------
# WAV

def db(x):
    return 20.0 * math.log10(x) if x > 0 else float("-inf")


def read_wav(path):
    """Decode a PCM WAV file.  Returns a dict of rate, channels, width,
    seconds, and peak and RMS levels in dBFS over all channels."""
    try:
        with wave.open(path, "rb") as w:
            rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
            frames = w.getnframes()
            data = w.readframes(frames)
    except (wave.Error, EOFError, struct.error) as e:
        raise CheckError(f"does not decode as PCM WAV: {e}")
    if channels not in (1, 2):
        raise CheckError(f"{channels} channels (want mono or stereo)")
    if width not in (1, 2):
        raise CheckError(f"{8 * width}-bit samples (want 8 or 16)")
    if rate < 8000:
        raise CheckError(f"sample rate {rate} Hz")
    count = len(data) // width
    if count != frames * channels or frames == 0:
        raise CheckError(f"{frames} frames announced, {count // channels} present")
    if width == 2:
        samples = struct.unpack(f"<{count}h", data[:count * 2])
        full = 32768.0
    else:
        samples = [b - 128 for b in data]
        full = 128.0
    peak = max(abs(s) for s in samples) / full
    rms = math.sqrt(sum(s * s for s in samples) / count) / full
    return {"rate": rate, "channels": channels, "width": width,
            "seconds": frames / rate, "peak_db": db(peak), "rms_db": db(rms)}


# ---------------------------------------------------------------------------
# MIDI

def _varlen(data, pos, end):
    """A MIDI variable-length quantity: 7 bits a byte, high bit = more."""
    value = 0
    for i in range(4):
        if pos >= end:
            raise CheckError("variable-length number runs past the end of its track")
        b = data[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            return value, pos
    raise CheckError("variable-length number longer than 4 bytes")


# Data bytes after a channel status byte, by its high nibble.
_CHANNEL_DATA = {0x80: 2, 0x90: 2, 0xA0: 2, 0xB0: 2, 0xC0: 1, 0xD0: 1, 0xE0: 2}


def parse_track(data, pos, end):
    """Events of one MTrk chunk as (tick, kind, value) tuples, where kind is
    'tempo' (microseconds a quarter note), 'program' ((channel, program),
    both 0-based), 'note_on' (the key) or 'end'.  Other events are checked
    for their form and passed over."""
    events = []
    tick = 0
    status = None
    ended = False
    while pos < end:
        if ended:
            raise CheckError("events after the end-of-track event")
        delta, pos = _varlen(data, pos, end)
        tick += delta
        if pos >= end:
            raise CheckError("track ends inside an event")
        b = data[pos]
        if b == 0xFF:                                   # meta event
            if pos + 2 > end:
                raise CheckError("track ends inside a meta event")
            kind = data[pos + 1]
            length, pos = _varlen(data, pos + 2, end)
            if pos + length > end:
                raise CheckError("meta event runs past the end of its track")
            body = data[pos:pos + length]
            pos += length
            if kind == 0x51:
                if length != 3:
                    raise CheckError("tempo event is not 3 bytes long")
                events.append((tick, "tempo", int.from_bytes(body, "big")))
            elif kind == 0x2F:
                events.append((tick, "end", 0))
                ended = True
            status = None                               # cancels running status
        elif b in (0xF0, 0xF7):                         # system exclusive
            length, pos = _varlen(data, pos + 1, end)
            pos += length
            status = None
        else:
            if b & 0x80:
                status = b
                pos += 1
            elif status is None:
                raise CheckError("data byte without a status byte (running status)")
            high = status & 0xF0
            if high not in _CHANNEL_DATA:
                raise CheckError(f"unknown status byte 0x{status:02X}")
            n = _CHANNEL_DATA[high]
            if pos + n > end:
                raise CheckError("track ends inside a channel event")
            args = data[pos:pos + n]
            if any(a & 0x80 for a in args):
                raise CheckError("a channel event's data byte has its high bit set")
            pos += n
            if high == 0xC0:
                events.append((tick, "program", (status & 0x0F, args[0])))
            elif high == 0x90 and args[1] > 0:               # velocity 0 is a note-off
                events.append((tick, "note_on", args[0]))
    if not ended:
        raise CheckError("track has no end-of-track event")
    return events


def parse_midi(data):
    """Parse a standard MIDI file.  Returns a dict: format, tracks (count),
    division (ticks a quarter note), notes (count of note-ons), programs (the
    set of (channel, program) changes), seconds (from the start to the last
    event of any track, tempo changes applied)."""
    if len(data) < 14 or data[:4] != b"MThd":
        raise CheckError("no MThd header")
    hlen = struct.unpack(">I", data[4:8])[0]
    if hlen < 6 or 8 + hlen > len(data):
        raise CheckError(f"header length {hlen}")
    fmt, ntracks, division = struct.unpack(">HHH", data[8:14])
    if fmt not in (0, 1):
        raise CheckError(f"format {fmt} (want 0 or 1)")
    if fmt == 0 and ntracks != 1:
        raise CheckError(f"format 0 with {ntracks} tracks")
    if division & 0x8000 or division == 0:
        raise CheckError("time division is not in ticks a quarter note")
    pos = 8 + hlen
    tracks = []
    while pos < len(data):
        if pos + 8 > len(data):
            raise CheckError("truncated chunk header")
        cid = data[pos:pos + 4]
        clen = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        start, end = pos + 8, pos + 8 + clen
        if end > len(data):
            raise CheckError("chunk runs past the end of the file")
        if cid == b"MTrk":
            tracks.append(parse_track(data, start, end))
        pos = end
    if len(tracks) != ntracks:
        raise CheckError(f"header announces {ntracks} tracks, file holds {len(tracks)}")

    # In format 1 the tempo map (usually in the first track) governs all tracks.
    tempos = sorted((t, v) for events in tracks for (t, k, v) in events if k == "tempo")
    last_tick = max((events[-1][0] for events in tracks if events), default=0)

    def seconds_at(tick):
        secs, prev_tick, us = 0.0, 0, 500000          # 120 beats a minute until told
        for t, v in tempos:
            if t >= tick:
                break
            secs += (t - prev_tick) * us / division / 1e6
            prev_tick, us = t, v
        return secs + (tick - prev_tick) * us / division / 1e6

    notes = sum(1 for events in tracks for (_, k, _) in events if k == "note_on")
    programs = {v for events in tracks for (_, k, v) in events if k == "program"}
    return {"format": fmt, "tracks": ntracks, "division": division, "notes": notes,
            "programs": programs, "seconds": seconds_at(last_tick)}


# ---------------------------------------------------------------------------

def check(assets, out=sys.stdout):
    """Check the assets under the folder; returns a list of fault messages."""
    faults = []
    sound = os.path.join(assets, "SOUND")
    levels = {}
    expected = VOICES + ["FILL", "WIPE"]
    names = sorted(set(expected) | {f[:-4] for f in os.listdir(sound) if f.upper().endswith(".WAV")}
                   if os.path.isdir(sound) else expected,
                   key=lambda n: (expected.index(n) if n in expected else len(expected), n))
    for name in names:
        path = os.path.join(sound, name + ".WAV")
        if not os.path.isfile(path):
            faults.append(f"SOUND/{name}.WAV: missing")
            continue
        try:
            info = read_wav(path)
        except CheckError as e:
            faults.append(f"SOUND/{name}.WAV: {e}")
            continue
        print(f"SOUND/{name + '.WAV':15s} {info['seconds']:6.3f} s  {info['rate']} Hz "
              f"{'mono' if info['channels'] == 1 else 'stereo'} {8 * info['width']}-bit  "
              f"peak {info['peak_db']:6.2f} dBFS  RMS {info['rms_db']:6.2f} dBFS", file=out)
        levels[name] = info["peak_db"]
        limit = MAX_SECONDS.get(name, 1.5)
        if info["seconds"] > limit:
            faults.append(f"SOUND/{name}.WAV: {info['seconds']:.3f} s, longer than {limit} s")
        if info["seconds"] < MIN_SECONDS.get(name, 0.1):
            faults.append(f"SOUND/{name}.WAV: {info['seconds']:.3f} s, too short")
        if info["peak_db"] > MAX_PEAK_DBFS:
            faults.append(f"SOUND/{name}.WAV: peak {info['peak_db']:.2f} dBFS, at full scale")
    if levels:
        top = max(levels.values())
        for name, level in levels.items():
            if level < top - PEAK_SPREAD_DB:
                faults.append(f"SOUND/{name}.WAV: peak {level:.2f} dBFS, more than "
                              f"{PEAK_SPREAD_DB} dB below the loudest ({top:.2f} dBFS)")
        print(f"peaks: {min(levels.values()):.2f} to {top:.2f} dBFS", file=out)

    path = os.path.join(assets, "MUSIC", MUSIC)
    try:
        with open(path, "rb") as f:
            midi = parse_midi(f.read())
    except OSError:
        faults.append(f"MUSIC/{MUSIC}: missing")
    except CheckError as e:
        faults.append(f"MUSIC/{MUSIC}: {e}")
    else:
        print(f"MUSIC/{MUSIC}: format {midi['format']}, {midi['tracks']} tracks, "
              f"{midi['division']} ticks a quarter, {midi['notes']} notes, "
              f"programs {sorted(p for _, p in midi['programs'])}, {midi['seconds']:.1f} s", file=out)
        lo, hi = MUSIC_SECONDS
        if not lo <= midi["seconds"] <= hi:
            faults.append(f"MUSIC/{MUSIC}: lasts {midi['seconds']:.1f} s, not {lo:.0f} to {hi:.0f} s")
        if midi["notes"] == 0:
            faults.append(f"MUSIC/{MUSIC}: no notes")
    return faults


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--assets", required=True, help="the assets folder (holds SOUND and MUSIC)")
    args = ap.parse_args()
    faults = check(args.assets)
    for f in faults:
        print("FAULT:", f)
    print("sound assets OK" if not faults else f"{len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
