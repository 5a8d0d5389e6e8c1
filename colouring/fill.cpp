// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/fill.h"

#include <algorithm>
#include <vector>

namespace {
struct Span {
    int x1, x2, y, dy;
};
}  // namespace

// Scanline span fill: each stack entry is a run of a row to look at from the
// row it came from; a row is scanned once per run, so the work is close to
// one pass over the region.
Rect flood_fill(PixelBuffer& buf, int sx, int sy, Colour colour) {
    if (!buf.inside(sx, sy)) return Rect{};
    const std::uint32_t target = buf.at(sx, sy);
    const std::uint32_t paint = colour & 0xFFFFFF;
    if (target == paint) return Rect{};

    const int w = buf.width, h = buf.height;
    std::uint32_t* px = buf.pixels.data();
    auto matches = [&](int x, int y) { return x >= 0 && x < w && y >= 0 && y < h && px[y * w + x] == target; };

    int min_x = sx, max_x = sx, min_y = sy, max_y = sy;
    std::vector<Span> stack;
    stack.reserve(256);
    stack.push_back({sx, sx, sy, 1});
    stack.push_back({sx, sx, sy - 1, -1});
    while (!stack.empty()) {
        Span s = stack.back();
        stack.pop_back();
        if (s.y < 0 || s.y >= h) continue;
        int x1 = s.x1;
        const int x2 = s.x2, y = s.y, dy = s.dy;
        std::uint32_t* row = px + static_cast<std::size_t>(y) * w;
        int x = x1;
        if (matches(x, y)) {
            while (x - 1 >= 0 && row[x - 1] == target) {
                row[x - 1] = paint;
                --x;
            }
            if (x < x1) stack.push_back({x, x1 - 1, y - dy, -dy});
        }
        while (x1 <= x2) {
            while (x1 < w && x1 >= 0 && row[x1] == target) {
                row[x1] = paint;
                ++x1;
            }
            if (x1 > x) {
                stack.push_back({x, x1 - 1, y + dy, dy});
                min_x = std::min(min_x, x);
                max_x = std::max(max_x, x1 - 1);
                min_y = std::min(min_y, y);
                max_y = std::max(max_y, y);
            }
            if (x1 - 1 > x2) stack.push_back({x2 + 1, x1 - 1, y - dy, -dy});
            ++x1;
            while (x1 < x2 && !(x1 >= 0 && x1 < w && row[x1] == target)) ++x1;
            x = x1;
        }
    }
    return Rect{min_x, min_y, max_x - min_x + 1, max_y - min_y + 1};
}
