// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/fill.h"

#include <algorithm>
#include <vector>

namespace {

struct Span {
    int x1, x2, y, dy;
};

// Long runs are looked at 16 pixels at a time. A loop of a fixed 16 steps is
// one the compiler turns into a few vector compares or stores at -O2, which
// brings a long run close to the cost of one pass over memory; short runs
// never get past the first 16 pixels looked at one by one.
constexpr int kBlock = 16;

int count_in_block(const std::uint32_t* p, std::uint32_t colour) {
    int n = 0;
    for (int i = 0; i < kBlock; ++i) n += p[i] == colour;
    return n;
}

void paint_block(std::uint32_t* p, std::uint32_t paint) {
    for (int i = 0; i < kBlock; ++i) p[i] = paint;
}

// Paints the run of target pixels that starts at x, up to end; returns the
// first pixel after it.
int paint_right(std::uint32_t* row, int x, int end, std::uint32_t target, std::uint32_t paint) {
    for (const int stop = std::min(end, x + kBlock); x < stop; ++x) {
        if (row[x] != target) return x;
        row[x] = paint;
    }
    for (; x + kBlock <= end && count_in_block(row + x, target) == kBlock; x += kBlock) paint_block(row + x, paint);
    for (; x < end && row[x] == target; ++x) row[x] = paint;
    return x;
}

// Paints the run of target pixels that ends just left of x; returns its
// first pixel (x when there is none).
int paint_left(std::uint32_t* row, int x, std::uint32_t target, std::uint32_t paint) {
    for (const int stop = std::max(0, x - kBlock); x > stop; --x) {
        if (row[x - 1] != target) return x;
        row[x - 1] = paint;
    }
    for (; x >= kBlock && count_in_block(row + x - kBlock, target) == kBlock; x -= kBlock)
        paint_block(row + x - kBlock, paint);
    for (; x > 0 && row[x - 1] == target; --x) row[x - 1] = paint;
    return x;
}

// The first target pixel in [x, end), or end: a row already painted, or a
// wall, is skipped a block at a time.
int find_target(const std::uint32_t* row, int x, int end, std::uint32_t target) {
    for (const int stop = std::min(end, x + kBlock); x < stop; ++x)
        if (row[x] == target) return x;
    for (; x + kBlock <= end && count_in_block(row + x, target) == 0; x += kBlock) {
    }
    for (; x < end && row[x] != target; ++x) {
    }
    return x;
}

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

    int min_x = sx, max_x = sx, min_y = sy, max_y = sy;
    std::vector<Span> stack;
    stack.reserve(256);
    stack.push_back({sx, sx, sy - 1, -1});
    // The last run found on a row is looked at next without a trip through
    // the stack: a narrow shape (a tooth, a thin stripe) then goes down row
    // after row in registers.
    Span s{sx, sx, sy, 1};
    for (;;) {
        bool has_ahead = false;
        Span ahead{};
        if (s.y >= 0 && s.y < h) {
            int x1 = s.x1;
            const int x2 = s.x2, y = s.y, dy = s.dy;
            std::uint32_t* row = px + static_cast<std::size_t>(y) * w;
            int x = x1;
            // Spans never leave the row: only a run that starts at x1 can
            // reach further left than the span.
            if (row[x] == target) {
                x = paint_left(row, x, target, paint);
                if (x < x1) stack.push_back({x, x1 - 1, y - dy, -dy});
            }
            while (x1 <= x2) {
                x1 = paint_right(row, x1, w, target, paint);
                if (x1 > x) {
                    if (has_ahead) stack.push_back(ahead);
                    ahead = {x, x1 - 1, y + dy, dy};
                    has_ahead = true;
                    min_x = std::min(min_x, x);
                    max_x = std::max(max_x, x1 - 1);
                    min_y = std::min(min_y, y);
                    max_y = std::max(max_y, y);
                }
                if (x1 - 1 > x2) stack.push_back({x2 + 1, x1 - 1, y - dy, -dy});
                // Pixel x1 ends the run; the next one starts after it, if at all.
                x = x1 = find_target(row, x1 + 1, x2, target);
            }
        }
        if (has_ahead) {
            s = ahead;
        } else if (!stack.empty()) {
            s = stack.back();
            stack.pop_back();
        } else {
            break;
        }
    }
    return Rect{min_x, min_y, max_x - min_x + 1, max_y - min_y + 1};
}
