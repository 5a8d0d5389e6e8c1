// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_check.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> b) : bytes_(b) {}
    std::optional<std::uint8_t> byte() {
        if (at_ >= bytes_.size()) return std::nullopt;
        return bytes_[at_++];
    }
    std::optional<unsigned> word() {  // little-endian
        auto lo = byte(), hi = byte();
        if (!lo || !hi) return std::nullopt;
        return static_cast<unsigned>(*lo | (*hi << 8));
    }
    bool skip(std::size_t n) {
        if (bytes_.size() - at_ < n) return false;
        at_ += n;
        return true;
    }
    // A chain of sub-blocks (a length byte, then that many bytes) ending in
    // an empty one. Appends the contents to out when given.
    bool sub_blocks(std::vector<std::uint8_t>* out) {
        for (;;) {
            auto n = byte();
            if (!n) return false;
            if (*n == 0) return true;
            if (bytes_.size() - at_ < *n) return false;
            if (out) out->insert(out->end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                                 bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + *n));
            at_ += *n;
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

bool skip_colour_table(Reader& r, std::uint8_t flags) {
    if (!(flags & 0x80)) return true;
    return r.skip(3u * (2u << (flags & 7)));
}

constexpr unsigned kMaxCodes = 4096;  // 12-bit codes

// Runs the decoder's table building over the codes without making pixels:
// only the length of each entry is kept, to count the pixels given. Every
// code up to the end code is checked, not only those the image needs, so
// that no reader of the stream can meet a bad one.
bool lzw_codes_sound(const std::vector<std::uint8_t>& data, unsigned min_size, std::uint64_t pixels_wanted) {
    const unsigned clear = 1u << min_size;
    const unsigned end = clear + 1;
    std::array<std::uint16_t, kMaxCodes> length{};
    for (unsigned c = 0; c < clear; ++c) length[c] = 1;

    unsigned size = min_size + 1;
    unsigned next = clear + 2;
    bool have_previous = false;
    unsigned previous = 0;
    std::uint64_t pixels = 0;
    const std::uint64_t total_bits = static_cast<std::uint64_t>(data.size()) * 8;
    std::uint64_t bit = 0;

    while (bit + size <= total_bits) {
        unsigned code = 0;
        for (unsigned i = 0; i < size; ++i, ++bit)
            code |= ((data[bit >> 3] >> (bit & 7)) & 1u) << i;

        if (code == clear) {
            size = min_size + 1;
            next = clear + 2;
            have_previous = false;
            continue;
        }
        if (code == end) break;
        if (!have_previous) {
            // The first code after a clear (or at the start) must be a pixel.
            if (code >= clear) return false;
            pixels += 1;
        } else {
            if (next < kMaxCodes) {
                // A code may name the entry being built (the "KwKwK" case),
                // never one beyond it.
                if (code > next) return false;
                const unsigned entry_length = (code == next) ? length[previous] + 1u : length[code];
                pixels += entry_length;
                length[next] = static_cast<std::uint16_t>(length[previous] + 1u);
                ++next;
                if (next == (1u << size) && size < 12) ++size;
            } else {
                // A full table takes no more entries until the next clear.
                pixels += length[code];
            }
        }
        previous = code;
        have_previous = true;
    }
    return pixels >= pixels_wanted;
}

}  // namespace

bool looks_like_gif(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 6 && (std::memcmp(bytes.data(), "GIF87a", 6) == 0 || std::memcmp(bytes.data(), "GIF89a", 6) == 0);
}

std::optional<GifFirstImage> read_gif_first_image(std::span<const std::uint8_t> bytes,
                                                  std::vector<std::uint8_t>* data) {
    if (!looks_like_gif(bytes)) return std::nullopt;
    Reader r(bytes);
    r.skip(6);
    auto screen_width = r.word(), screen_height = r.word();
    auto screen_flags = r.byte();
    if (!screen_width || !screen_height || !screen_flags || !r.skip(2)) return std::nullopt;
    if (!skip_colour_table(r, *screen_flags)) return std::nullopt;

    for (;;) {
        auto kind = r.byte();
        if (!kind) return std::nullopt;
        if (*kind == 0x21) {  // extension: a label, then sub-blocks
            if (!r.byte() || !r.sub_blocks(nullptr)) return std::nullopt;
            continue;
        }
        if (*kind != 0x2C) return std::nullopt;  // no image before the trailer, or a stray byte
        if (!r.skip(4)) return std::nullopt;       // position
        auto width = r.word(), height = r.word();
        auto flags = r.byte();
        if (!width || !height || !flags || !skip_colour_table(r, *flags)) return std::nullopt;
        auto code_size = r.byte();
        if (!code_size || !r.sub_blocks(data)) return std::nullopt;
        return GifFirstImage{*screen_width, *screen_height, *width, *height, *code_size};
    }
}

bool gif_is_well_formed(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> data;
    const std::optional<GifFirstImage> image = read_gif_first_image(bytes, &data);
    if (!image) return false;
    // The decoder mishandles an image without pixels as well.
    if (image->width == 0 || image->height == 0) return false;
    if (image->code_size < 2 || image->code_size > 8) return false;
    return lzw_codes_sound(data, image->code_size, static_cast<std::uint64_t>(image->width) * image->height);
}

bool looks_like_png(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 8 && std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8) == 0;
}

bool png_is_complete(std::span<const std::uint8_t> bytes) {
    if (!looks_like_png(bytes)) return false;
    std::size_t at = 8;
    // Each chunk: a length, a type, the data, a checksum.
    while (bytes.size() - at >= 12) {
        const std::uint32_t length = (std::uint32_t{bytes[at]} << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
        if (length > 0x7FFFFFFFu || bytes.size() - at - 12 < length) return false;
        if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
        at += 12 + static_cast<std::size_t>(length);
    }
    return false;
}
