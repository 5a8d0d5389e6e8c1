// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap_file.h"

#include <cstdint>

#include "platform/file_system.h"

namespace {
void put16(std::vector<unsigned char>& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}
}  // namespace

std::vector<unsigned char> encode_bitmap(const PictureData& p) {
    const std::uint32_t row = (static_cast<std::uint32_t>(p.width) * 3 + 3) & ~3u;
    const std::uint32_t data = row * static_cast<std::uint32_t>(p.height);
    std::vector<unsigned char> b;
    b.reserve(54 + data);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + data);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);  // BITMAPINFOHEADER
    put32(b, static_cast<std::uint32_t>(p.width));
    put32(b, static_cast<std::uint32_t>(p.height));  // positive: bottom-up
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);  // no compression
    put32(b, data);
    put32(b, 3780);  // 96 pixels an inch
    put32(b, 3780);
    put32(b, 0);
    put32(b, 0);
    for (int y = p.height - 1; y >= 0; --y) {
        const std::size_t start = b.size();
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t c = p.at(x, y);
            b.push_back((c >> 16) & 0xFF);  // blue
            b.push_back((c >> 8) & 0xFF);   // green
            b.push_back(c & 0xFF);          // red
        }
        while (b.size() - start < row) b.push_back(0);
    }
    return b;
}

void write_bitmap_file(const PictureData& picture, const std::string& path) {
    replace_file(path, encode_bitmap(picture));
}
