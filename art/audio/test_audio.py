#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Tests of the sound pipeline: the checker must catch each fault a sound or
the music file can have, the build must write sounds that pass it with the
levels and edges it promises, and the committed files must be what the
sources give.

    /usr/bin/python3 art/audio/test_audio.py [-v]
"""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True   # no __pycache__ beside the sources
import build  # noqa: E402
import check  # noqa: E402
import listen  # noqa: E402

ASSETS = os.path.join(os.path.dirname(os.path.dirname(HERE)), "assets")
RATE = 22050


# ---------------------------------------------------------------------------
# Fixtures

def write_wav(path, seconds=0.5, amplitude=0.7, rate=RATE, channels=1, width=2, freq=440.0):
    n = int(seconds * rate)
    full = 32767 if width == 2 else 127
    frames = bytearray()
    for i in range(n):
        v = int(round(amplitude * full * math.sin(2 * math.pi * freq * i / rate)))
        for _ in range(channels):
            frames += struct.pack("<h", v) if width == 2 else bytes([v + 128])
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(width)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def track(*events):
    """events: (delta, raw bytes); an end-of-track is appended unless
    the last event already is one."""
    body = b"".join(varlen(d) + e for d, e in events)
    if not body.endswith(b"\xFF\x2F\x00"):
        body += b"\x00\xFF\x2F\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def tempo(us):
    return b"\xFF\x51\x03" + us.to_bytes(3, "big")


def smf(fmt, tracks, division=480, count=None):
    head = b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks) if count is None else count, division)
    return head + b"".join(tracks)


ON, OFF = b"\x90\x3C\x50", b"\x80\x3C\x40"


def song(seconds):
    """A valid format-1 file: a tempo track and one note lasting `seconds`
    at 120 beats a minute (480 ticks a quarter = 960 ticks a second)."""
    return smf(1, [track((0, tempo(500000))),
                   track((0, ON), (int(seconds * 960), OFF))])


def good_assets(root):
    """An assets folder that passes the check: tones for every sound and a
    75-second tune."""
    os.makedirs(os.path.join(root, "SOUND"))
    os.makedirs(os.path.join(root, "MUSIC"))
    for name in check.VOICES:
        write_wav(os.path.join(root, "SOUND", name + ".WAV"), seconds=0.8)
    write_wav(os.path.join(root, "SOUND", "FILL.WAV"), seconds=0.3)
    write_wav(os.path.join(root, "SOUND", "WIPE.WAV"), seconds=1.0)
    with open(os.path.join(root, "MUSIC", "001.MID"), "wb") as f:
        f.write(song(75))


# ---------------------------------------------------------------------------

class MidiParser(unittest.TestCase):
    def test_durations(self):
        cases = [
            ("default tempo is 120 a minute", smf(0, [track((0, ON), (960, OFF))]), 1.0),
            ("tempo change half-way",
             smf(0, [track((0, tempo(500000)), (0, ON), (480, tempo(1000000)), (480, OFF))]), 1.5),
            ("format 1: the tempo track governs the other tracks",
             smf(1, [track((0, tempo(250000))), track((0, ON), (1920, OFF))]), 1.0),
            ("format 1: a late tempo change in the tempo track",
             smf(1, [track((0, tempo(500000)), (960, tempo(250000))),
                     track((0, ON), (1920, OFF))]), 1.0 + 0.5),
            ("the longest track sets the end",
             smf(1, [track((0, ON), (480, OFF)), track((0, ON), (2400, OFF))]), 2.5),
            ("a trailing end-of-track after a rest counts",
             smf(0, [track((0, ON), (480, OFF), (1440, b"\xFF\x2F\x00"))]), 2.0),
            ("division 96",
             smf(0, [track((0, ON), (192, OFF))], division=96), 1.0),
        ]
        for label, data, seconds in cases:
            with self.subTest(label):
                self.assertAlmostEqual(check.parse_midi(data)["seconds"], seconds, places=6)

    def test_notes_counted_through_running_status_and_zero_velocity(self):
        data = smf(0, [track((0, b"\x90\x3C\x50"), (100, b"\x3C\x00"),   # running status, vel 0 = off
                             (0, b"\x3E\x50"), (100, b"\x3E\x00"),
                             (0, b"\xC1\x05"), (0, b"\xB1\x07\x64"),        # program, controller
                             (0, b"\xF0\x03\x7E\x7F\xF7"),                  # system exclusive
                             (0, b"\xFF\x03\x04Tune"))])                  # a meta event with text
        info = check.parse_midi(data)
        self.assertEqual(info["notes"], 2)
        self.assertEqual(info["programs"], {(1, 5)})
        self.assertEqual((info["format"], info["tracks"], info["division"]), (0, 1, 480))

    def test_faults(self):
        good = song(10)
        cases = [
            ("not a MIDI file", b"RIFF" + good[4:], "MThd"),
            ("empty", b"", "MThd"),
            ("more tracks announced than present", smf(1, [track((0, ON), (960, OFF))], count=2), "tracks"),
            ("format 2", smf(2, [track((0, ON), (960, OFF))]), "format"),
            ("SMPTE time division", smf(0, [track((0, ON), (960, OFF))], division=0xE728), "division"),
            ("file cut inside a track", good[:-5], "past the end"),
            ("no end-of-track",
             smf(0, [b"MTrk" + struct.pack(">I", 8) + b"\x00\x90\x3C\x50\x60\x80\x3C\x40"]),
             "end-of-track"),
            ("data byte with no status before it",
             smf(0, [track((0, b"\x3C\x50"))]), "status"),
            ("running status carried across a meta event",
             smf(0, [track((0, ON), (0, b"\xFF\x01\x01x"), (480, b"\x3C\x00"))]), "status"),
            ("running status carried across a system exclusive",
             smf(0, [track((0, ON), (0, b"\xF0\x01\xF7"), (480, b"\x3C\x00"))]), "status"),
            ("variable-length number of five bytes",
             smf(0, [b"MTrk" + struct.pack(">I", 8) + b"\x81\x81\x81\x81\x01\xFF\x2F\x00"]), "4 bytes"),
            ("events after the end",
             smf(0, [b"MTrk" + struct.pack(">I", 8) + b"\x00\xFF\x2F\x00\x00\x90\x3C\x50"]),
             "after the end"),
            ("tempo of the wrong length",
             smf(0, [track((0, b"\xFF\x51\x02\x07\xA1"))]), "tempo"),
        ]
        for label, data, words in cases:
            with self.subTest(label):
                with self.assertRaises(check.CheckError) as cm:
                    check.parse_midi(data)
                self.assertIn(words, str(cm.exception))


class WavReader(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.tmp)

    def path(self, name="a.wav"):
        return os.path.join(self.tmp, name)

    def test_levels_and_length(self):
        write_wav(self.path(), seconds=0.25, amplitude=0.5)
        info = check.read_wav(self.path())
        self.assertAlmostEqual(info["seconds"], 0.25, places=3)
        self.assertAlmostEqual(info["peak_db"], -6.02, delta=0.05)
        self.assertAlmostEqual(info["rms_db"], -6.02 - 3.01, delta=0.05)   # a sine's RMS

    def test_accepted_layouts(self):
        for label, kw in [("stereo 16-bit", dict(channels=2)), ("mono 8-bit", dict(width=1)),
                          ("44100 Hz", dict(rate=44100))]:
            with self.subTest(label):
                write_wav(self.path(), **kw)
                self.assertAlmostEqual(check.read_wav(self.path())["peak_db"], -3.1, delta=0.2)

    def test_rejected(self):
        cases = []
        with wave.open(self.path("24.wav"), "wb") as w:          # 24-bit PCM
            w.setnchannels(1), w.setsampwidth(3), w.setframerate(RATE)
            w.writeframes(b"\x00\x00\x40" * 1000)
        cases.append(("24-bit samples", "24.wav", "24-bit"))
        with wave.open(self.path("3ch.wav"), "wb") as w:
            w.setnchannels(3), w.setsampwidth(2), w.setframerate(RATE)
            w.writeframes(b"\x00\x10" * 3000)
        cases.append(("three channels", "3ch.wav", "channels"))
        subprocess.run(["sox", "-R", "-n", "-r", str(RATE), "-e", "floating-point", "-b", "32",
                        self.path("float.wav"), "synth", "0.1", "sine", "440"], check=True)
        cases.append(("floating-point samples", "float.wav", "PCM"))
        write_wav(self.path("cut.wav"), seconds=0.5)
        with open(self.path("cut.wav"), "rb") as f:
            data = f.read()
        with open(self.path("cut.wav"), "wb") as f:
            f.write(data[:len(data) // 2])
        cases.append(("data cut short", "cut.wav", "frames"))
        with open(self.path("text.wav"), "w") as f:
            f.write("not a sound at all\n" * 10)
        cases.append(("not a WAV file", "text.wav", "PCM"))
        write_wav(self.path("empty.wav"), seconds=0)
        cases.append(("no samples", "empty.wav", "frames"))
        for label, name, words in cases:
            with self.subTest(label):
                with self.assertRaises(check.CheckError) as cm:
                    check.read_wav(self.path(name))
                self.assertIn(words, str(cm.exception))


class AssetCheck(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.root)
        good_assets(self.root)

    def write_music(self, data):
        with open(os.path.join(self.root, "MUSIC", "001.MID"), "wb") as f:
            f.write(data)

    def faults(self):
        with open(os.devnull, "w") as quiet:
            return check.check(self.root, out=quiet)

    def test_good_assets_pass(self):
        self.assertEqual(self.faults(), [])

    def test_each_fault_is_named(self):
        sound = lambda n: os.path.join(self.root, "SOUND", n)   # noqa: E731
        cases = [
            ("a colour name too long", lambda: write_wav(sound("ZUTA.WAV"), seconds=1.6),
             "ZUTA.WAV: 1.600 s, longer"),
            ("the fill sound too long", lambda: write_wav(sound("FILL.WAV"), seconds=0.6),
             "FILL.WAV: 0.600 s, longer"),
            ("the swoosh far too short", lambda: write_wav(sound("WIPE.WAV"), seconds=0.2),
             "WIPE.WAV: 0.200 s, too short"),
            ("a name much quieter than the rest",
             lambda: write_wav(sound("PINK.WAV"), amplitude=0.7 * 10 ** (-7 / 20)),
             "PINK.WAV: peak -10.10 dBFS, more than 6.0 dB below"),
            ("a sound at full scale", lambda: write_wav(sound("SIVA.WAV"), amplitude=1.0),
             "SIVA.WAV: peak -0.00 dBFS, at full scale"),
            ("a colour name missing", lambda: os.remove(sound("BRAON.WAV")),
             "BRAON.WAV: missing"),
            ("a sound that is not PCM",
             lambda: subprocess.run(["sox", "-R", "-n", "-e", "floating-point", "-b", "32", "-r",
                                     str(RATE), sound("CRNA.WAV"), "synth", "0.5", "sine", "440"],
                                    check=True),
             "CRNA.WAV: does not decode"),
            ("a tune too short", lambda: self.write_music(song(45)), "lasts 45.0 s"),
            ("a tune too long", lambda: self.write_music(song(125)), "lasts 125.0 s"),
            ("a tune without notes",
             lambda: self.write_music(smf(0, [track((96000, b"\xFF\x2F\x00"))])), "no notes"),
            ("a tune that does not parse", lambda: self.write_music(song(75)[:-9]), "001.MID: chunk"),
            ("the tune missing", lambda: os.remove(os.path.join(self.root, "MUSIC", "001.MID")),
             "001.MID: missing"),
        ]
        for label, spoil, words in cases:
            with self.subTest(label):
                shutil.rmtree(self.root)
                good_assets(self.root)
                spoil()
                faults = self.faults()
                self.assertEqual(len(faults), 1, faults)
                self.assertIn(words, faults[0])

    def test_command_exit_status(self):
        cmd = [sys.executable, os.path.join(HERE, "check.py"), "--assets", self.root]
        self.assertEqual(subprocess.run(cmd, capture_output=True).returncode, 0)
        os.remove(os.path.join(self.root, "SOUND", "ZELENA.WAV"))
        r = subprocess.run(cmd, capture_output=True, text=True)
        self.assertEqual(r.returncode, 1)
        self.assertIn("ZELENA.WAV: missing", r.stdout)


# ---------------------------------------------------------------------------

class Build(unittest.TestCase):
    """The real build, once, into a fresh folder."""

    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.mkdtemp()
        subprocess.run([sys.executable, os.path.join(HERE, "build.py"), "--out", cls.out,
                        "--quiet"], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out)

    def sound(self, name):
        return os.path.join(self.out, "SOUND", name)

    def samples(self, name):
        with wave.open(self.sound(name), "rb") as w:
            self.assertEqual((w.getnchannels(), w.getsampwidth(), w.getframerate()), (1, 2, RATE))
            data = w.readframes(w.getnframes())
        return struct.unpack(f"<{len(data) // 2}h", data)

    def test_passes_the_check(self):
        with open(os.devnull, "w") as quiet:
            self.assertEqual(check.check(self.out, out=quiet), [])

    def test_writes_every_file_the_program_plays(self):
        names = sorted(os.listdir(os.path.join(self.out, "SOUND")))
        self.assertEqual(names, sorted([v + ".WAV" for v in check.VOICES] + ["FILL.WAV", "WIPE.WAV"]))
        self.assertEqual(os.listdir(os.path.join(self.out, "MUSIC")), ["001.MID"])

    def test_edges_are_trimmed_but_not_clipped(self):
        # A little silence at each end, the sound itself starting soon after.
        edge = int(0.010 * RATE)
        for name in os.listdir(os.path.join(self.out, "SOUND")):
            with self.subTest(name):
                s = self.samples(name)
                self.assertLess(max(abs(v) for v in s[:edge]), 33, "the start is not silent")
                self.assertLess(max(abs(v) for v in s[-edge:]), 33, "the end is not silent")
                first = next(i for i, v in enumerate(s) if abs(v) > 330)   # -40 dBFS
                last = max(i for i, v in enumerate(s) if abs(v) > 330)
                self.assertLess(first / RATE, 0.06, "too much silence before the sound")
                self.assertLess((len(s) - last) / RATE, 0.12, "too much silence after the sound")

    def test_colour_names_are_equally_loud(self):
        with tempfile.TemporaryDirectory() as tmp:
            levels = {n: build.loudness_db(self.sound(n + ".WAV"), tmp) for n in check.VOICES}
        self.assertLess(max(levels.values()) - min(levels.values()), 0.3, levels)
        peaks = [build.peak_db(self.samples(n + ".WAV")) for n in check.VOICES]
        self.assertLessEqual(max(peaks), -0.99)
        self.assertGreater(max(peaks), -1.2, "the loudest peak should sit at the ceiling")

    def test_music_is_general_midi_on_the_chosen_instruments(self):
        with open(os.path.join(self.out, "MUSIC", "001.MID"), "rb") as f:
            programs = check.parse_midi(f.read())["programs"]
        # marimba, flute, glockenspiel, harp, acoustic bass; nothing on the drum channel
        self.assertEqual({p for _, p in programs}, {12, 73, 9, 46, 32})
        self.assertNotIn(9, {c for c, _ in programs})

    def test_same_bytes_as_committed(self):
        committed = [os.path.join(ASSETS, "SOUND", n) for n in os.listdir(os.path.join(self.out, "SOUND"))]
        committed.append(os.path.join(ASSETS, "MUSIC", "001.MID"))
        for path in committed:
            with self.subTest(os.path.relpath(path, ASSETS)):
                self.assertTrue(os.path.isfile(path), "not built into assets/: run art/generate")
                fresh = os.path.join(self.out, os.path.relpath(path, ASSETS))
                with open(path, "rb") as a, open(fresh, "rb") as b:
                    self.assertTrue(a.read() == b.read(),
                                    "differs from what the sources give: run art/generate")


class Listening(unittest.TestCase):
    """The recogniser's measure must notice a name that says the wrong word
    or nothing at all; the targets themselves are checked on the shipped
    files by listen.py (ctest art.voices)."""

    def test_a_wrong_or_missing_word_is_not_counted(self):
        voices = build.read_table()
        sound = os.path.join(ASSETS, "SOUND")
        with tempfile.TemporaryDirectory() as tmp:
            for name, _ in voices:
                shutil.copyfile(os.path.join(sound, name), os.path.join(tmp, name))
            # red said where black belongs; silence where white belongs
            shutil.copyfile(os.path.join(sound, "CRVENA.WAV"), os.path.join(tmp, "CRNA.WAV"))
            write_wav(os.path.join(tmp, "TAMNOZUTA.WAV"), seconds=0.5, amplitude=0.0)
            results = {name: (word, free, chosen) for name, word, free, chosen in listen.measure(tmp, voices)}
            right = listen.measure(sound, voices)
        self.assertNotEqual(results["CRNA.WAV"][2], "black", results["CRNA.WAV"])
        self.assertNotEqual(results["TAMNOZUTA.WAV"][2], "white", results["TAMNOZUTA.WAV"])
        free, grammar = listen.score(list((n, *v) for n, v in results.items()))
        free0, grammar0 = listen.score(right)
        self.assertLessEqual(grammar, grammar0 - 2)
        self.assertLessEqual(free, free0)
        with open(os.devnull, "w") as quiet:
            self.assertTrue(any("near words" in f for f in listen.report(list((n, *v) for n, v in results.items()), quiet)))

    def test_spellings_of_one_word_count_as_that_word(self):
        self.assertEqual(listen.score([("SIVA.WAV", "grey", "gray", "grey")]), (1, 1))
        self.assertEqual(listen.score([("SIVA.WAV", "grey", "great", "grey")]), (0, 1))
        self.assertEqual(listen.score([("SVPLAVA.WAV", "light blue", "like blue", "light blue")]), (0, 1))

    def test_near_words_are_not_names(self):
        names = {w for _, w in build.read_table()}
        self.assertGreaterEqual(len(set(listen.NEAR_WORDS) - names), 12)
        self.assertFalse(names & set(listen.NEAR_WORDS))

    def test_names_shaped_apart_are_names(self):
        # A word misspelt in the table would quietly be shaped like the rest.
        names = {w for _, w in build.read_table()}
        self.assertLessEqual(build.UNLIFTED, names)


if __name__ == "__main__":
    unittest.main()
