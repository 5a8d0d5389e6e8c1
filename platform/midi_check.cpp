// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/midi_check.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace {
using Bytes = std::span<const std::uint8_t>;

bool has_tag(Bytes bytes, std::size_t at, std::string_view tag) {
    if (at > bytes.size() || bytes.size() - at < tag.size()) return false;
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char t, std::uint8_t b) { return static_cast<std::uint8_t>(t) == b; });
}

std::uint32_t be32(Bytes b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}
unsigned be16(Bytes b, std::size_t at) { return (unsigned{b[at]} << 8) | b[at + 1]; }
std::uint32_t le32(Bytes b, std::size_t at) {
    return (std::uint32_t{b[at + 3]} << 24) | (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 1]} << 8) | b[at];
}

// A variable-length quantity of at most four bytes, read at pos (moved past
// it); nothing when it runs past end or into a fifth byte.
std::optional<std::uint32_t> read_vlq(Bytes b, std::size_t& pos, std::size_t end) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end) return std::nullopt;
        const std::uint8_t byte = b[pos++];
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0) return value;
    }
    return std::nullopt;
}

// The meta events whose length the format fixes; a tempo or time signature
// of another length is noise the synthesiser would read past.
constexpr std::array<std::pair<std::uint8_t, std::uint32_t>, 6> kFixedMetaLengths{{
    {0x20, 1},  // channel prefix
    {0x2F, 0},  // end of track
    {0x51, 3},  // tempo
    {0x54, 5},  // SMPTE offset
    {0x58, 4},  // time signature
    {0x59, 2},  // key signature
}};

bool meta_length_fits(std::uint8_t type, std::uint32_t length) {
    for (const auto& [t, fixed] : kFixedMetaLengths)
        if (t == type) return length == fixed;
    return true;
}

// Data bytes a channel message takes after its status byte.
std::size_t channel_data_bytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0u;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool track_is_well_formed(Bytes b, std::size_t pos, std::size_t end) {
    std::uint8_t running = 0;  // the last channel status, 0 when none may run
    while (true) {
        if (!read_vlq(b, pos, end)) return false;  // the delta time
        if (pos >= end) return false;
        std::uint8_t status = b[pos];
        if (status < 0x80) {
            if (running == 0) return false;
            status = running;
        } else {
            ++pos;
        }
        if (status < 0xF0) {
            running = status;
            const std::size_t n = channel_data_bytes(status);
            if (end - pos < n) return false;
            for (std::size_t i = 0; i < n; ++i)
                if (b[pos++] >= 0x80) return false;
            continue;
        }
        running = 0;
        if (status == 0xFF) {
            if (pos >= end) return false;
            const std::uint8_t type = b[pos++];
            if (type >= 0x80) return false;
            const std::optional<std::uint32_t> length = read_vlq(b, pos, end);
            if (!length || *length > end - pos || !meta_length_fits(type, *length)) return false;
            pos += *length;
            if (type == 0x2F) return pos == end;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            const std::optional<std::uint32_t> length = read_vlq(b, pos, end);
            if (!length || *length > end - pos) return false;
            pos += *length;
            continue;
        }
        return false;  // system common and real-time messages have no place in a file
    }
}

bool smf_is_well_formed(Bytes b) {
    if (!has_tag(b, 0, "MThd") || b.size() < 8) return false;
    const std::uint32_t header_length = be32(b, 4);
    if (header_length < 6 || header_length > b.size() - 8) return false;
    const unsigned format = be16(b, 8);
    const unsigned tracks = be16(b, 10);
    const unsigned division = be16(b, 12);
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1)) return false;
    // Ticks per quarter note, or SMPTE frames with ticks per frame: neither zero.
    if (division == 0 || ((division & 0x8000u) != 0 && (division & 0xFFu) == 0)) return false;
    std::size_t pos = 8 + header_length;
    unsigned found = 0;
    while (pos < b.size()) {
        if (b.size() - pos < 8) return false;
        const std::uint32_t length = be32(b, pos + 4);
        if (length > b.size() - pos - 8) return false;
        const std::size_t data = pos + 8;
        if (has_tag(b, pos, "MTrk")) {
            if (!track_is_well_formed(b, data, data + length)) return false;
            ++found;
        }
        pos = data + length;
    }
    return found == tracks;
}
}  // namespace

bool looks_like_midi(Bytes bytes) {
    return has_tag(bytes, 0, "MThd") || (bytes.size() >= 12 && has_tag(bytes, 0, "RIFF") && has_tag(bytes, 8, "RMID"));
}

bool midi_is_well_formed(Bytes bytes) {
    if (has_tag(bytes, 0, "MThd")) return smf_is_well_formed(bytes);
    if (!looks_like_midi(bytes)) return false;
    // RIFF: the wrapper's length inside the file, and the one data chunk the
    // MIDI file sits in.
    const std::uint32_t riff_length = le32(bytes, 4);
    if (riff_length > bytes.size() - 8) return false;
    const std::size_t end = 8 + std::size_t{riff_length};
    std::size_t pos = 12;
    while (pos < end) {
        if (end - pos < 8) return false;
        const std::uint32_t length = le32(bytes, pos + 4);
        if (length > end - pos - 8) return false;
        if (has_tag(bytes, pos, "data")) return smf_is_well_formed(bytes.subspan(pos + 8, length));
        pos += 8 + length + (length & 1u);
    }
    return false;
}
