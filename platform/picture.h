// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A decoded picture: immutable, shared. Pixels are 0xAABBGGRR (the colour
// type red + 256 x green + 65536 x blue, with alpha in the top byte).
#include <cstdint>
#include <memory>
#include <vector>

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned red_of(Colour c) { return c & 0xFFu; }
constexpr unsigned green_of(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned blue_of(Colour c) { return (c >> 16) & 0xFFu; }

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr std::uint32_t kOpaque = 0xFF000000u;

struct PictureData {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row-major, 0xAABBGGRR

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

using Picture = std::shared_ptr<const PictureData>;

// A mouse pointer: a picture and the pixel that points.
struct CursorImage {
    Picture picture;
    int hot_x = 0;
    int hot_y = 0;
};
using Cursor = std::shared_ptr<const CursorImage>;
