#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: CC-BY-SA-4.0
"""Hear the spoken colour names the way a speech recogniser does.

    listen.py --assets DIR

A name a recogniser cannot make out is one a small child may not either, so
the twelve files in DIR/SOUND are given to Debian's recogniser (pocketsphinx
with its US English model), each as 16 kHz mono with 0.3 s of silence
before and after, in two ways:

  free     against the whole English vocabulary and its language model: the
           name must come out as the word itself and nothing else;
  grammar  against a choice of the twelve names and near-sounding words
           ("bread" for red, "wide" for white...): the name must win.

Prints every word heard in both ways and the two scores; the exit status is 1
when either score falls below its target.
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
MODEL = "/usr/share/pocketsphinx/model/en-us"

# Targets: every name must win against the words it could be taken for, and
# most must come through even with nothing to choose from.
GRAMMAR_TARGET = 12
FREE_TARGET = 7

# Words a child (or a recogniser) could hear instead of a colour name: a
# neighbour in sound for each, none a homophone of any name.
NEAR_WORDS = ["bread", "bed", "grin", "clean", "hello", "fellow", "night blue",
              "porridge", "pilot", "great", "wide", "right", "crown", "round",
              "glue", "back", "think", "ink"]

# The recogniser's dictionary has both spellings of this word, pronounced
# alike; which one it writes says nothing about the voice.
SAME_WORD = {"gray": "grey"}

PAD_SECONDS = 0.3


def read_voices():
    """(file name, word) in palette order, from voices.tsv."""
    rows = []
    with open(os.path.join(HERE, "voices.tsv"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.strip() and not line.startswith("#"):
                name, word = line.split("\t")
                rows.append((name, word))
    return rows


def normalise(text):
    return " ".join(SAME_WORD.get(w, w) for w in text.lower().split())


def grammar_text(words):
    choices = " | ".join(words + [w for w in NEAR_WORDS if w not in words])
    return f"#JSGF V1.0;\ngrammar colours;\npublic <colour> = {choices};\n"


def decode(ids, folder, extra):
    """Run the recogniser once over the files folder/ID.wav; returns
    {id: words heard}."""
    hyp = os.path.join(folder, "hyp.txt")
    ctl = os.path.join(folder, "files.ctl")
    with open(ctl, "w") as f:
        f.write("".join(i + "\n" for i in ids))
    cmd = ["pocketsphinx_batch", "-hmm", os.path.join(MODEL, "en-us"),
           "-dict", os.path.join(MODEL, "cmudict-en-us.dict"),
           "-ctl", ctl, "-cepdir", folder, "-cepext", ".wav",
           "-adcin", "yes", "-adchdr", "44", "-hyp", hyp,
           "-logfn", os.path.join(folder, "decoder.log"), *extra]
    try:
        subprocess.run(cmd, check=True, capture_output=True)
    except FileNotFoundError:
        sys.exit("listen.py: pocketsphinx_batch is not installed (Debian: pocketsphinx, pocketsphinx-en-us)")
    except subprocess.CalledProcessError:
        with open(os.path.join(folder, "decoder.log"), errors="replace") as log:
            sys.exit("listen.py: the recogniser failed:\n" + log.read()[-2000:])
    heard = {}
    with open(hyp) as f:
        for line in f:
            # "words heard (ID score)"; nothing heard leaves only the bracket
            words, _, tail = line.rstrip("\n").rpartition(" (")
            heard[tail.split()[0]] = words.strip()
    return heard


def measure(sound_dir, voices=None):
    """Returns [(file name, word, heard freely, heard by grammar)]."""
    voices = voices or read_voices()
    with tempfile.TemporaryDirectory(prefix="rd-listen-") as tmp:
        ids = []
        for i, (name, _) in enumerate(voices):
            ident = f"v{i:02d}"
            ids.append(ident)
            subprocess.run(["sox", "-R", "-D", "-V1", os.path.join(sound_dir, name),
                            "-r", "16000", "-c", "1", "-b", "16", os.path.join(tmp, ident + ".wav"),
                            "pad", str(PAD_SECONDS), str(PAD_SECONDS)], check=True)
        grammar = os.path.join(tmp, "colours.gram")
        with open(grammar, "w") as f:
            f.write(grammar_text([w for _, w in voices]))
        free = decode(ids, tmp, ["-lm", os.path.join(MODEL, "en-us.lm.bin")])
        chosen = decode(ids, tmp, ["-jsgf", grammar])
    return [(name, word, free.get(i, ""), chosen.get(i, "")) for i, (name, word) in zip(ids, voices)]


def score(results):
    """(free, grammar): how many names came through each way."""
    free = sum(normalise(f) == normalise(w) for _, w, f, _ in results)
    grammar = sum(normalise(g) == normalise(w) for _, w, _, g in results)
    return free, grammar


def report(results, out=sys.stdout):
    """Prints the words heard and both scores; returns the faults."""
    print(f"{'file':15s} {'said':11s} {'heard freely':22s} heard among near words", file=out)
    for name, word, free, chosen in results:
        mark = lambda h: ("  " if normalise(h) == normalise(word) else "x ") + (h or "(nothing)")  # noqa: E731
        print(f"{name:15s} {word:11s} {mark(free):22s} {mark(chosen)}", file=out)
    free, grammar = score(results)
    n = len(results)
    print(f"free decoding: {free} of {n} (target {FREE_TARGET}); "
          f"among near words: {grammar} of {n} (target {GRAMMAR_TARGET})", file=out)
    faults = []
    if free < FREE_TARGET:
        faults.append(f"only {free} of {n} names recognised by free decoding (target {FREE_TARGET})")
    if grammar < GRAMMAR_TARGET:
        faults.append(f"only {grammar} of {n} names told apart from near words (target {GRAMMAR_TARGET})")
    return faults


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--assets", required=True, help="the assets folder (holds SOUND)")
    args = ap.parse_args()
    faults = report(measure(os.path.join(args.assets, "SOUND")))
    for f in faults:
        print("FAULT:", f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
