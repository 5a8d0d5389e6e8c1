// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small sound files made on the spot, and a reader for what SDL's disk audio
// driver writes (16-bit stereo at the rate the mixer opened).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "tests/support/test_system.h"

namespace audio_fixture {

inline void put_be(std::string& s, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void put_le(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void put_vlq(std::string& s, std::uint32_t v) {
    char b[5];
    int n = 0;
    b[n++] = static_cast<char>(v & 0x7F);
    while (v >>= 7) b[n++] = static_cast<char>((v & 0x7F) | 0x80);
    while (n) s += b[--n];
}

// A one-track standard MIDI file at 120 beats a minute: one note of the given
// General MIDI instrument from 0 to note_seconds, then rest until the track
// ends at end_seconds.
inline std::string midi_tune(double note_seconds, double end_seconds, int program = 19 /* church organ */) {
    constexpr int kTicksPerSecond = 960;  // 480 a beat, two beats a second
    const auto ticks = [](double s) { return static_cast<std::uint32_t>(std::lround(s * kTicksPerSecond)); };
    std::string t;
    put_vlq(t, 0);
    t += {'\xC0', static_cast<char>(program)};
    put_vlq(t, 0);
    t += {'\x90', 60, 127};
    put_vlq(t, ticks(note_seconds));
    t += {'\x80', 60, 64};
    put_vlq(t, ticks(end_seconds) - ticks(note_seconds));
    t += {'\xFF', '\x2F', '\x00'};
    std::string s = "MThd";
    put_be(s, 6, 4);
    put_be(s, 0, 2);    // format 0
    put_be(s, 1, 2);    // one track
    put_be(s, 480, 2);  // ticks a beat
    s += "MTrk";
    put_be(s, static_cast<std::uint32_t>(t.size()), 4);
    return s + t;
}

// A mono 16-bit WAV: a sine of the given peak amplitude.
inline std::string wav_tone(double seconds, int amplitude, double hz, int rate = 44100) {
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::string s = "RIFF";
    put_le(s, 36 + frames * 2, 4);
    s += "WAVEfmt ";
    put_le(s, 16, 4);
    put_le(s, 1, 2);  // PCM
    put_le(s, 1, 2);  // mono
    put_le(s, static_cast<std::uint32_t>(rate), 4);
    put_le(s, static_cast<std::uint32_t>(rate * 2), 4);
    put_le(s, 2, 2);
    put_le(s, 16, 2);
    s += "data";
    put_le(s, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * hz * i / rate);
        put_le(s, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(v))) & 0xFFFF, 2);
    }
    return s;
}

inline void write(const std::string& path, const std::string& bytes) {
    std::ofstream(utf8_path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The disk driver's output file, read while it grows in real time.
class DiskOutput {
public:
    DiskOutput(std::string path, int rate) : path_(std::move(path)), rate_(rate) {}
    const std::string& path() const { return path_; }
    long long bytes_per_second() const { return static_cast<long long>(rate_) * 4; }
    long long bytes(double seconds) const { return static_cast<long long>(seconds * rate_) * 4; }

    long long written() const {
        const std::optional<FileStatus> st = regular_file_status(path_);
        return st ? st->size : 0;
    }
    // Waits until at least `position` bytes are out; false after timeout_s.
    bool wait_for(long long position, double timeout_s = 20.0) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout_s);
        while (written() < position) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
    // The largest absolute sample in [from, to) (byte positions, whole frames).
    int peak(long long from, long long to) const {
        from -= from % 4;
        if (to <= from) return 0;
        std::ifstream in(utf8_path(path_), std::ios::binary);
        in.seekg(from);
        std::vector<std::int16_t> samples(static_cast<std::size_t>((to - from) / 2));
        in.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * 2));
        samples.resize(static_cast<std::size_t>(in.gcount() / 2));
        int m = 0;
        for (std::int16_t v : samples) m = std::max(m, std::abs(static_cast<int>(v)));
        return m;
    }
    // The first position at or after `from` whose frame is louder than threshold, or -1.
    long long first_sound(long long from, long long to, int threshold) const {
        from -= from % 4;
        std::ifstream in(utf8_path(path_), std::ios::binary);
        in.seekg(from);
        std::int16_t frame[2];
        for (long long pos = from; pos < to && in.read(reinterpret_cast<char*>(frame), 4); pos += 4)
            if (std::abs(static_cast<int>(frame[0])) > threshold || std::abs(static_cast<int>(frame[1])) > threshold)
                return pos;
        return -1;
    }

private:
    std::string path_;
    int rate_;
};

}  // namespace audio_fixture
