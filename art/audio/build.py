#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Make the sounds and the music from the sources beside this script.

    build.py --out ASSETS [--quiet]

Writes into ASSETS/SOUND the twelve spoken colour names listed in voices.tsv
(Flite's awb voice, shaped with sox), FILL.WAV
(a bright little bloop) and WIPE.WAV (a soft swoosh of about a second), all
16-bit mono PCM at 22050 Hz, and ASSETS/MUSIC/001.MID compiled by abc2midi
from tune.abc.  Prints the length and level of each sound unless --quiet.

Levels: the colour names are brought to the same short-term loudness, as
loud as the peakiest of them allows with its peak at -1 dBFS, so that a
colour name never sounds louder than the next one; the fill sound keeps its
own fixed loudness and the swoosh sits a little under it.

The same sources always give the same bytes: sox runs in repeatable mode
without dither, Flite and abc2midi are deterministic, and the swoosh's
noise comes from a seeded generator.
"""
import argparse
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
RATE = 22050

# The voice: Flite's "awb" voice (a Scottish English man, a statistical voice
# trained on his recordings).  Compared with a speech recogniser, of the
# English synthesisers Debian offers (Festival with its HTS voice,
# Flite's slt, rms, kal and awb, espeak-ng) it is the one whose names are
# most seldom taken for another word, at its own calm pace: slower, it was
# understood less well.  art/audio/listen.py measures it.  Festival's HTS
# voice, a warmer woman's voice, is understood as well only with the faint
# breath of a fifth of a second kept before most names: a child would hear
# that as a late start.
FLITE_VOICE = "awb"
# A full stop: each name said as a word on its own, with a falling tone.
SPOKEN = "{}."
# Names the shaping below would spoil, and what they are said without.  The
# consonant lift turns the soft burst that opens "pink" into a breath, and
# the name is then heard as "think": it keeps its own plosive unlifted.
UNLIFTED = {"pink"}

PEAK_CEILING_DB = -1.0
TRIM_THRESHOLD = "-55d"
# The voice murmurs faintly before a "b" (and breathes after a word): a
# child would hear that as a late start, so the names are cut higher.
VOICE_TRIM_THRESHOLD = "-48d"
EDGE_SECONDS = 0.02          # silence kept at each end
LEVEL_OFFSET_DB = {"WIPE.WAV": -3.0}   # the swoosh sits under the voices
# The fill sound and the swoosh keep the loudness they were first levelled
# at, whatever voice says the colour names: a child who knows the bloop of a
# fill should hear the same bloop.
EFFECTS_LOUDNESS_DB = -9.59087576488447

SOX = ["sox", "-R", "-D", "-V1"]       # repeatable, no dither, errors only


def run(cmd, **kw):
    try:
        return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw)
    except FileNotFoundError:
        sys.exit(f"audio/build.py: {cmd[0]} is not installed")
    except subprocess.CalledProcessError as e:
        sys.exit(f"audio/build.py: {' '.join(cmd)} failed:\n{e.stderr}")


def read_table():
    rows = []
    with open(os.path.join(HERE, "voices.tsv"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            name, word = line.split("\t")
            rows.append((name, word))
    return rows


# ---------------------------------------------------------------------------
# Samples in and out (16-bit mono)

def read_samples(path):
    with wave.open(path, "rb") as w:
        assert w.getnchannels() == 1 and w.getsampwidth() == 2, path
        data = w.readframes(w.getnframes())
    return struct.unpack(f"<{len(data) // 2}h", data)


def write_samples(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack(f"<{len(samples)}h", *samples))


def peak_db(samples):
    return 20 * math.log10(max(1, max(abs(s) for s in samples)) / 32768.0)


def loudness_db(path, tmp):
    """Short-term loudness: the loudest 100 ms of the sound after a rough ear
    weighting (rumble cut, presence lifted), in dB of full scale.  A whole-file
    RMS would rate "light blue", with its pause, quieter than "red"."""
    weighted = os.path.join(tmp, "weighted.wav")
    run(SOX + [path, weighted, "highpass", "100", "treble", "+4", "1500"])
    s = read_samples(weighted)
    win, hop = RATE // 10, RATE // 100
    acc = [0]
    for v in s:
        acc.append(acc[-1] + v * v)
    best = max(acc[i + win] - acc[i] for i in range(0, max(1, len(s) - win), hop)) \
        if len(s) > win else acc[-1]
    return 10 * math.log10(max(best, 1) / min(win, len(s))) - 20 * math.log10(32768.0)


# ---------------------------------------------------------------------------
# The spoken colour names

def make_voices(rows, tmp):
    """Says every name with Flite and shapes it with sox; returns
    [(name, path)]."""
    made = []
    for name, word in rows:
        raw = os.path.join(tmp, "raw-" + name)
        run(["flite", "-voice", FLITE_VOICE, "-t", SPOKEN.format(word), "-o", raw])
        dest = os.path.join(tmp, "v-" + name)
        shape_voice(raw, dest, lift=word not in UNLIFTED)
        made.append((name, dest))
    return made


# Lift the soft consonants towards the vowels (up to 10 dB at -50 dB, nothing
# near full scale): the voice says them so softly that "green" and "yellow"
# lose their first sound.
CONSONANT_LIFT = ["gain", "-n", "-3",
                  "compand", "0.002,0.08", "6:-70,-70,-50,-40,-30,-25,0,-12", "0", "-90", "0.002"]


def shape_voice(raw, dest, lift=True):
    run(SOX + [raw, "-r", str(RATE), "-c", "1", "-b", "16", dest,
               # Below 80 Hz is only rumble.
               "highpass", "80",
               *(CONSONANT_LIFT if lift else []),
               # The lift brings up the synthesiser's hiss above 7 kHz as well.
               "sinc", "-7000",
               *trim_and_fade(0.04, VOICE_TRIM_THRESHOLD)])


def trim_and_fade(fade_out=0.03, threshold=TRIM_THRESHOLD):
    """sox effects: cut the silence at both ends, fade the end out (the cut
    would otherwise click, and a synthesiser may stop a vowel rather suddenly), ease
    the first 5 ms in, keep a little silence."""
    return ["silence", "1", "0.005", threshold,
            "reverse", "silence", "1", "0.005", threshold,
            "fade", "t", str(fade_out), "reverse",
            "fade", "t", "0.005",
            "pad", str(EDGE_SECONDS), str(EDGE_SECONDS)]


# ---------------------------------------------------------------------------
# The fill sound: two quick rising drops, the second higher, over a faint
# splash of filtered noise.

def make_fill(dest, tmp):
    def part(name, *effects):
        path = os.path.join(tmp, name)
        run(SOX + ["-n", "-r", str(RATE), "-c", "1", "-b", "16", path, *effects])
        return path

    drop1 = part("drop1.wav", "synth", "0.10", "sine", "420/1250",
                 "fade", "q", "0.003", "0.10", "0.08", "vol", "0.72")
    body1 = part("body1.wav", "synth", "0.10", "sine", "840/2500",
                 "fade", "q", "0.003", "0.10", "0.08", "vol", "0.10")
    drop2 = part("drop2.wav", "synth", "0.12", "sine", "640/1800",
                 "fade", "q", "0.003", "0.12", "0.10", "vol", "0.45", "pad", "0.085", "0")
    splash = part("splash.wav", "synth", "0.16", "pinknoise",
                  "highpass", "1800", "lowpass", "6000",
                  "fade", "p", "0.004", "0.16", "0.14", "vol", "0.15")
    run(SOX + ["-m", drop1, body1, drop2, splash, dest,
               "reverb", "20", "50", "30", "100", "0", "-8", *trim_and_fade()])


# ---------------------------------------------------------------------------
# The wipe sound: noise through a resonant band-pass filter whose centre
# glides up and back down, under a swell-and-fade envelope.

WIPE_SECONDS = 1.0
WIPE_SEED = 20240607


def wipe_samples():
    rnd = random.Random(WIPE_SEED)
    n = int(WIPE_SECONDS * RATE)
    out = []
    low = band = 0.0          # state-variable filter
    low2 = band2 = 0.0        # a second one an octave up, for air
    pink = 0.0
    damp = 1.0 / 2.5          # 1/Q: enough resonance to hear the glide, still soft
    for i in range(n):
        t = i / n
        # Centre: 450 Hz up to 2400 Hz at 55 %, easing back to 1300 Hz.
        if t < 0.55:
            u = t / 0.55
            fc = 450.0 * (2400.0 / 450.0) ** (0.5 - 0.5 * math.cos(math.pi * u))
        else:
            u = (t - 0.55) / 0.45
            fc = 2400.0 * (1300.0 / 2400.0) ** (0.5 - 0.5 * math.cos(math.pi * u))
        white = rnd.uniform(-1.0, 1.0)
        pink = 0.97 * pink + 0.03 * white * 4.0    # tilt towards low hiss
        x = 0.85 * pink + 0.15 * white
        f = 2.0 * math.sin(math.pi * fc / RATE)
        low += f * band
        high = x - low - damp * band
        band += f * high
        f2 = 2.0 * math.sin(math.pi * min(2.0 * fc, 0.2 * RATE) / RATE)
        low2 += f2 * band2
        high2 = x - low2 - damp * band2
        band2 += f2 * high2
        # Swell over the first 45 %, fade over the rest, both smooth.
        env = math.sin(0.5 * math.pi * t / 0.45) ** 2 if t < 0.45 else \
            math.cos(0.5 * math.pi * (t - 0.45) / 0.55) ** 2
        out.append(env * (band + 0.25 * band2))
    scale = 0.5 * 32767.0 / max(abs(v) for v in out)
    return [int(round(v * scale)) for v in out]


def make_wipe(dest, tmp):
    raw = os.path.join(tmp, "swoosh.wav")
    write_samples(raw, wipe_samples())
    run(SOX + [raw, dest, "sinc", "-5000", "reverb", "30", "50", "60", "100", "0", "-8",
               *trim_and_fade()])


# ---------------------------------------------------------------------------
# Levels

def level_all(made, sound_dir, tmp, target=None):
    """made: list of (file name, path before levelling).  Writes each into
    sound_dir at a common loudness: target if given, else the highest at
    which no file's peak passes the ceiling.  Returns {name: (loudness, peak,
    gain)}."""
    stats = {}
    for name, path in made:
        stats[name] = (loudness_db(path, tmp), peak_db(read_samples(path)))
    if target is None:
        target = min(loud + (PEAK_CEILING_DB - peak) - LEVEL_OFFSET_DB.get(name, 0.0)
                     for name, (loud, peak) in stats.items())
    result = {}
    for name, path in made:
        loud, peak = stats[name]
        gain = target + LEVEL_OFFSET_DB.get(name, 0.0) - loud
        dest = os.path.join(sound_dir, name)
        run(SOX + [path, dest, "gain", f"{gain:.3f}"])
        result[name] = (loud + gain, peak + gain, gain)
    return result


# ---------------------------------------------------------------------------
# Music

def make_music(dest, tmp):
    out = os.path.join(tmp, "tune.mid")
    r = run(["abc2midi", os.path.join(HERE, "tune.abc"), "-o", out])
    problems = [l for l in (r.stdout + r.stderr).splitlines()
                if "error" in l.lower() or "warning" in l.lower()]
    if problems:
        sys.exit("audio/build.py: abc2midi complains about tune.abc:\n" + "\n".join(problems))
    shutil.copyfile(out, dest)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True, help="the assets folder")
    ap.add_argument("--quiet", action="store_true", help="print nothing on success")
    args = ap.parse_args()
    sound_dir = os.path.join(args.out, "SOUND")
    music_dir = os.path.join(args.out, "MUSIC")
    os.makedirs(sound_dir, exist_ok=True)
    os.makedirs(music_dir, exist_ok=True)

    with tempfile.TemporaryDirectory(prefix="rd-audio-") as tmp:
        levels = level_all(make_voices(read_table(), tmp), sound_dir, tmp)
        effects = []
        for name, maker in (("FILL.WAV", make_fill), ("WIPE.WAV", make_wipe)):
            path = os.path.join(tmp, "e-" + name)
            maker(path, tmp)
            effects.append((name, path))
        levels.update(level_all(effects, sound_dir, tmp, EFFECTS_LOUDNESS_DB))
        make_music(os.path.join(music_dir, "001.MID"), tmp)

    if not args.quiet:
        for name, (loud, peak, gain) in levels.items():
            secs = len(read_samples(os.path.join(sound_dir, name))) / RATE
            print(f"audio: SOUND/{name:15s} {secs:5.3f} s  loudness {loud:6.2f} dB  "
                  f"peak {peak:6.2f} dBFS  (gain {gain:+.2f} dB)")
        print("audio: MUSIC/001.MID from tune.abc")


if __name__ == "__main__":
    main()
