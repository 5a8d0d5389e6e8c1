// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The structural check a tune passes before the synthesiser reads it: the
// real tune passes, and every damaged form a disk or a careless copy leaves
// is refused, without the check itself reading outside the bytes.
#include "platform/midi_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes real_tune() {
    std::ifstream in(fs::path(RD_SOURCE_DIR) / "assets" / "MUSIC" / "001.MID", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put32(Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

// A file from its header fields and the tracks' event bytes, each wrapped in
// an MTrk chunk of the right length.
Bytes smf(unsigned format, unsigned ntracks, unsigned division, const std::vector<Bytes>& tracks) {
    Bytes b{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (unsigned v : {format, ntracks, division}) {
        b.push_back(static_cast<std::uint8_t>(v >> 8));
        b.push_back(static_cast<std::uint8_t>(v));
    }
    for (const Bytes& t : tracks) {
        b.insert(b.end(), {'M', 'T', 'r', 'k'});
        put32(b, static_cast<std::uint32_t>(t.size()));
        b.insert(b.end(), t.begin(), t.end());
    }
    return b;
}

const Bytes kEnd{0x00, 0xFF, 0x2F, 0x00};
// A note on and off, the off by running status, a tempo, a sysex, the end.
const Bytes kTrack{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 0x3C, 0x40, 0x83, 0x60, 0x3C, 0x00,
                   0x00, 0xC0, 0x05, 0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0xFF, 0x2F, 0x00};

Bytes with(Bytes b, std::size_t at, std::uint8_t value) {
    b.at(at) = value;
    return b;
}

Bytes cut(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)); }

// The check, on a copy sized exactly to the bytes, so that a read past the
// end is one the address sanitizer sees.
bool check(const Bytes& b) {
    const Bytes exact(b);
    return midi_is_well_formed(exact);
}

TEST(MidiCheck, TheRealTunePasses) {
    const Bytes tune = real_tune();
    ASSERT_GT(tune.size(), 48u);
    EXPECT_TRUE(looks_like_midi(tune));
    EXPECT_TRUE(check(tune));
}

TEST(MidiCheck, WellFormedSmallFilesPass) {
    EXPECT_TRUE(check(smf(0, 1, 96, {kTrack})));
    EXPECT_TRUE(check(smf(1, 2, 480, {kTrack, kEnd})));
    EXPECT_TRUE(check(smf(2, 1, 0xE728, {kEnd})));  // SMPTE: -25 frames, 40 ticks
    // A chunk of another kind is skipped, as readers are told to.
    Bytes alien = smf(0, 1, 96, {kTrack});
    alien.insert(alien.begin() + 14, {'X', 'f', 'I', 'h', 0, 0, 0, 2, 0xAB, 0xCD});
    EXPECT_TRUE(check(alien));
    // The same file in a RIFF wrapper.
    const Bytes inner = smf(0, 1, 96, {kTrack});
    Bytes riff{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'};
    const std::uint32_t n = static_cast<std::uint32_t>(inner.size());
    for (int s = 0; s < 32; s += 8) riff.push_back(static_cast<std::uint8_t>(n >> s));
    riff.insert(riff.end(), inner.begin(), inner.end());
    const std::uint32_t whole = static_cast<std::uint32_t>(riff.size() - 8);
    for (int i = 0; i < 4; ++i) riff[4 + i] = static_cast<std::uint8_t>(whole >> (8 * i));
    EXPECT_TRUE(check(riff));
    EXPECT_FALSE(check(cut(riff, riff.size() - 1)));
}

struct Damaged {
    const char* name;
    Bytes bytes;
};

std::vector<Damaged> damaged_forms() {
    const Bytes good = smf(0, 1, 96, {kTrack});
    constexpr std::size_t kEvents = 22;  // where the first track's events begin
    std::vector<Damaged> t{
        {"empty", {}},
        {"header only", cut(good, 14)},
        {"header length 5", with(good, 7, 5)},
        {"header length past the file", with(good, 6, 0x10)},
        {"format 3", with(good, 9, 3)},
        {"format 0 with two tracks", smf(0, 2, 96, {kTrack, kEnd})},
        {"no tracks", smf(1, 0, 96, {})},
        {"division zero", smf(0, 1, 0, {kTrack})},
        {"SMPTE with no ticks per frame", smf(0, 1, 0xE700, {kTrack})},
        {"one track announced, two found", smf(1, 1, 96, {kTrack, kEnd})},
        {"two tracks announced, one found", smf(1, 2, 96, {kTrack})},
        {"track length past the file", with(good, 20, 0xFF)},
        {"a stray byte after the last chunk", [&] { Bytes b = good; b.push_back(0); return b; }()},
        {"no end of track", smf(0, 1, 96, {cut(kTrack, kTrack.size() - 4)})},
        {"end of track before the chunk ends", smf(0, 1, 96, {[] { Bytes t = kTrack; t.insert(t.end(), {0x00, 0x90, 0x3C, 0x40}); return t; }()})},
        {"end of track with a length", smf(0, 1, 96, {{0x00, 0xFF, 0x2F, 0x01, 0x00}})},
        {"delta time of five bytes", smf(0, 1, 96, {{0x80, 0x80, 0x80, 0x80, 0x00, 0xFF, 0x2F, 0x00}})},
        {"delta time cut by the chunk end", smf(0, 1, 96, {{0x00, 0xFF, 0x2F, 0x00, 0x81}})},
        {"meta length past the track", smf(0, 1, 96, {{0x00, 0xFF, 0x01, 0x7F, 0x61, 0x00, 0xFF, 0x2F, 0x00}})},
        {"meta length of five bytes", smf(0, 1, 96, {{0x00, 0xFF, 0x01, 0x81, 0x80, 0x80, 0x80, 0x00, 0x00, 0xFF, 0x2F, 0x00}})},
        {"tempo of two bytes", smf(0, 1, 96, {{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00, 0xFF, 0x2F, 0x00}})},
        {"meta type with the high bit", smf(0, 1, 96, {{0x00, 0xFF, 0x81, 0x00, 0x00, 0xFF, 0x2F, 0x00}})},
        {"sysex length past the track", smf(0, 1, 96, {{0x00, 0xF0, 0x40, 0x7E, 0xF7, 0x00, 0xFF, 0x2F, 0x00}})},
        {"note with a data byte of 0x80", with(good, kEvents + 10, 0x80)},
        {"note cut by the chunk end", smf(0, 1, 96, {{0x00, 0x90, 0x3C}})},
        {"running status first", smf(0, 1, 96, {{0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00}})},
        {"running status after a meta event", smf(0, 1, 96, {{0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}})},
        {"RIFF with no data chunk", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D'}},
        {"not MIDI at all", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
    };
    for (std::uint8_t stray : {0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8, 0xFA, 0xFE})
        t.push_back({"a stray system status byte", smf(0, 1, 96, {{0x00, stray, 0x00, 0x00, 0xFF, 0x2F, 0x00}})});
    // The real tune, cut short at many lengths, including inside its header.
    const Bytes tune = real_tune();
    for (std::size_t n = 0; n < tune.size(); n += (n < 64 ? 1 : 97)) t.push_back({"the tune truncated", cut(tune, n)});
    t.push_back({"the tune less its last byte", cut(tune, tune.size() - 1)});
    // The real tune with its data random past the first 48 bytes, its length
    // kept: what a bad sector leaves, and what hung the synthesiser.
    for (unsigned seed : {48u, 1u, 2u, 3u, 20240602u, 777u}) {
        Bytes b = tune;
        std::mt19937 gen(seed);
        for (std::size_t i = 48; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(gen() & 0xFF);
        t.push_back({"the tune scrambled", b});
    }
    t.push_back({"the tune with one track too many announced", with(tune, 11, static_cast<std::uint8_t>(tune.at(11) + 1))});
    return t;
}

TEST(MidiCheck, DamagedFormsAreRefused) {
    for (const Damaged& d : damaged_forms()) {
        SCOPED_TRACE(std::string(d.name) + ", " + std::to_string(d.bytes.size()) + " bytes");
        EXPECT_FALSE(check(d.bytes));
    }
}

// Random mutations of good files: whatever the check decides, it reads
// nothing outside the bytes (the sanitizer build sees every such read), and
// a mutation it accepts still passes a second reading.
TEST(MidiCheck, RandomMutationsStayInsideTheBytes) {
    const std::vector<Bytes> seeds{real_tune(), smf(1, 2, 96, {kTrack, kEnd})};
    std::mt19937 gen(4242);
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        Bytes b = seeds[round % seeds.size()];
        const int edits = 1 + static_cast<int>(gen() % 4);
        for (int e = 0; e < edits && !b.empty(); ++e) {
            const std::size_t at = gen() % b.size();
            switch (gen() % 4) {
                case 0: b[at] = static_cast<std::uint8_t>(gen()); break;
                case 1: b[at] ^= static_cast<std::uint8_t>(1u << (gen() % 8)); break;
                case 2: b.resize(at); break;
                default: b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(gen())); break;
            }
        }
        const bool ok = check(b);
        EXPECT_EQ(ok, check(b));
        accepted += ok ? 1 : 0;
    }
    // Most single changes inside text or a note's value leave a whole file.
    EXPECT_GT(accepted, 0);
}
}  // namespace
