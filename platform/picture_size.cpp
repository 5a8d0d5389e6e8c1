// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_size.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/picture_check.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

bool has(Bytes b, std::size_t at, std::size_t n) { return at <= b.size() && b.size() - at >= n; }
std::uint32_t le16(Bytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t be16(Bytes b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t le32(Bytes b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }
std::uint32_t be32(Bytes b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }
// A BMP's signed height (negative: rows top-down).
std::uint32_t magnitude(std::uint32_t v) { return v & 0x80000000u ? 0u - v : v; }

bool starts(Bytes b, const char* sig, std::size_t n) { return has(b, 0, n) && std::memcmp(b.data(), sig, n) == 0; }

PictureSize larger(PictureSize a, PictureSize b) { return {std::max(a.width, b.width), std::max(a.height, b.height)}; }

// The screen and the first image's frame.
std::optional<PictureSize> gif_size(Bytes b) {
    const std::optional<GifFirstImage> gif = read_gif_first_image(b);
    if (!gif) return std::nullopt;
    return larger({gif->screen_width, gif->screen_height}, {gif->width, gif->height});
}

// The frame header (SOFn), found the way a JPEG reader finds markers: any
// bytes between segments are passed over.
std::optional<PictureSize> jpeg_size(Bytes b) {
    std::size_t at = 2;
    for (;;) {
        while (has(b, at, 1) && b[at] != 0xFF) ++at;
        while (has(b, at, 1) && b[at] == 0xFF) ++at;
        if (!has(b, at, 1)) return std::nullopt;
        const std::uint8_t marker = b[at++];
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0xD9 || marker == 0xDA || !has(b, at, 2)) return std::nullopt;  // data before any frame
        const std::uint32_t length = be16(b, at);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (!has(b, at, 7)) return std::nullopt;
            return PictureSize{be16(b, at + 5), be16(b, at + 3)};
        }
        at += length;
    }
}

std::optional<PictureSize> png_size(Bytes b) {
    if (!has(b, 8, 16) || std::memcmp(b.data() + 12, "IHDR", 4) != 0) return std::nullopt;
    return PictureSize{be32(b, 16), be32(b, 20)};
}

// The info header at `at`: the old 12-byte core header, or a later one.
std::optional<PictureSize> dib_size(Bytes b, std::size_t at, bool icon) {
    if (!has(b, at, 4)) return std::nullopt;
    const std::uint32_t header = le32(b, at);
    PictureSize size;
    if (header == 12) {
        if (!has(b, at, 12)) return std::nullopt;
        size = {le16(b, at + 4), le16(b, at + 6)};
    } else {
        if (!has(b, at, 12)) return std::nullopt;
        size = {magnitude(le32(b, at + 4)), magnitude(le32(b, at + 8))};
    }
    if (icon) size.height /= 2;  // an icon's bitmap holds the image and its mask
    return size;
}

std::optional<PictureSize> icon_size(Bytes b) {
    if (!has(b, 4, 2)) return std::nullopt;
    const std::uint32_t count = le16(b, 4);
    std::optional<PictureSize> size;
    for (std::uint32_t i = 0; i < count && has(b, 6 + 16 * i, 16); ++i) {
        const std::uint32_t offset = le32(b, 6 + 16 * i + 12);
        std::optional<PictureSize> image =
            has(b, offset, 8) && std::memcmp(b.data() + offset, "\x89PNG", 4) == 0 ? png_size(b.subspan(offset))
                                                                                   : dib_size(b, offset, true);
        if (image) size = size ? larger(*size, *image) : *image;
    }
    return size;
}

}  // namespace

std::optional<PictureSize> declared_picture_size(std::span<const std::uint8_t> bytes) {
    if (starts(bytes, "GIF8", 4)) return gif_size(bytes);
    if (starts(bytes, "\xFF\xD8", 2)) return jpeg_size(bytes);
    if (starts(bytes, "\x89PNG\r\n\x1a\n", 8)) return png_size(bytes);
    if (starts(bytes, "BM", 2)) return dib_size(bytes, 14, false);
    if (starts(bytes, "\0\0\1\0", 4) || starts(bytes, "\0\0\2\0", 4)) return icon_size(bytes);
    return std::nullopt;
}
