// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The tune check on arbitrary bytes: it must read nothing outside them (the
// sanitizers watch every read), and a file it accepts must begin like MIDI
// and be accepted again inside a RIFF wrapper, the other form a tune comes in.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "platform/midi_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact copy, so that a read one byte past the input is a heap overflow.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const bool accepted = midi_is_well_formed(bytes);
    if (!accepted) return 0;
    if (!looks_like_midi(bytes)) std::abort();
    if (bytes.size() < 4 || bytes[0] != 'M') return 0;
    std::vector<std::uint8_t> riff{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'};
    const auto put_le32 = [&](std::size_t at, std::size_t v) {
        for (int i = 0; i < 4; ++i) riff[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    riff.resize(riff.size() + 4);
    put_le32(16, bytes.size());
    riff.insert(riff.end(), bytes.begin(), bytes.end());
    if (bytes.size() % 2 != 0) riff.push_back(0);
    put_le32(4, riff.size() - 8);
    if (!midi_is_well_formed(riff)) std::abort();
    return 0;
}
