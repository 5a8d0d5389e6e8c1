// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill and the brush on arbitrary buffers: a buffer of a few colours (or
// arbitrary 32-bit values), then a series of brush strokes and fills.
//  - Every fill must leave exactly what the breadth-first reference leaves,
//    and report the bounding box of exactly the pixels it changed.
//  - Every brush stroke must paint only its colour, only near the segment and
//    inside the box it reports, cover the centre line of the segment, and,
//    where the segment was not cut at the buffer's edge, be 3 pixels thick
//    with round ends.
// Strokes come before fills in the mix, so fills meet thin diagonal walls.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "colouring/brush.h"
#include "colouring/fill.h"
#include "tests/support/reference_fill.h"

namespace {

[[noreturn]] void finding(const char* what, int x, int y) {
    std::fprintf(stderr, "FINDING: %s at (%d, %d)\n", what, x, y);
    std::abort();
}

PixelBuffer make_buffer(FuzzedDataProvider& in) {
    const int w = in.ConsumeIntegralInRange(1, 160);
    const int h = in.ConsumeIntegralInRange(1, std::max(1, 16384 / w));
    std::uint32_t colours[4];
    for (std::uint32_t& c : colours) {
        // Mostly canvas colours (black outline, white paper, the darkest
        // reds); sometimes a value with the top byte set.
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: c = 0x000000; break;
        case 1: c = 0xFFFFFF; break;
        case 2: c = in.ConsumeIntegralInRange<std::uint32_t>(0, 12); break;
        default: c = in.ConsumeIntegral<std::uint32_t>(); break;
        }
    }
    PixelBuffer b(w, h, colours[0]);
    // Two bits a pixel while the input lasts; the rest keeps the first colour.
    std::size_t i = 0;
    while (i < b.pixels.size() && in.remaining_bytes() > 8) {
        std::uint8_t bits = in.ConsumeIntegral<std::uint8_t>();
        for (int k = 0; k < 4 && i < b.pixels.size(); ++k, bits >>= 2) b.pixels[i++] = colours[bits & 3];
    }
    return b;
}

Colour pick_colour(FuzzedDataProvider& in, const PixelBuffer& b) {
    if (in.ConsumeBool()) {
        // A colour already in the buffer (so the fill may be a no-op).
        const std::size_t i = in.ConsumeIntegralInRange<std::size_t>(0, b.pixels.size() - 1);
        return b.pixels[i];
    }
    return in.ConsumeIntegral<std::uint32_t>();
}

Rect bounding_box_of_changes(const PixelBuffer& before, const PixelBuffer& after) {
    int x0 = after.width, y0 = after.height, x1 = -1, y1 = -1;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            if (before.at(x, y) != after.at(x, y)) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    return x1 < 0 ? Rect{} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

void check_fill(PixelBuffer& b, int x, int y, Colour colour) {
    const PixelBuffer before = b;
    PixelBuffer expected = b;
    reference_fill(expected, x, y, colour);
    const Rect r = flood_fill(b, x, y, colour);
    if (b.pixels != expected.pixels) {
        for (int yy = 0; yy < b.height; ++yy)
            for (int xx = 0; xx < b.width; ++xx)
                if (b.at(xx, yy) != expected.at(xx, yy)) finding("the fill differs from the reference", xx, yy);
    }
    const Rect changed = bounding_box_of_changes(before, b);
    if (changed.empty() != r.empty() ||
        (!changed.empty() && (r.x != changed.x || r.y != changed.y || r.w != changed.w || r.h != changed.h)))
        finding("the fill reports a box other than that of the pixels it changed", r.x, r.y);
}

// Squared distance from the centre of pixel (px, py) to the segment.
double distance2_to_segment(int px, int py, int x1, int y1, int x2, int y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 == 0 ? 0 : ((px - x1) * dx + (py - y1) * dy) / len2;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = x1 + t * dx - px, ey = y1 + t * dy - py;
    return ex * ex + ey * ey;
}

// Calls f(x, y) for every pixel at each whole step along the segment's longer
// axis whose distance from the exact line, measured along the shorter axis,
// is at most num/den pixels; steps outside the buffer are skipped.
template <class F>
void pixels_near_line(const PixelBuffer& b, int x1, int y1, int x2, int y2, int num, int den, F f) {
    const bool x_major = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const std::int64_t major_size = x_major ? b.width : b.height;
    const std::int64_t a1 = x_major ? x1 : y1, b1 = x_major ? y1 : x1;
    const std::int64_t a2 = x_major ? x2 : y2, b2 = x_major ? y2 : x2;
    const std::int64_t d = a2 - a1;
    const std::int64_t first = std::max<std::int64_t>(std::min(a1, a2), 0);
    const std::int64_t last = std::min<std::int64_t>(std::max(a1, a2), major_size - 1);
    for (std::int64_t t = first; t <= last; ++t) {
        if (d == 0) {
            for (std::int64_t r = b1 - num / den; r <= b1 + num / den; ++r) x_major ? f(t, r) : f(r, t);
            continue;
        }
        // The exact line at t is b1 + (t - a1) * (b2 - b1) / d; r qualifies
        // when |r * d - (b1 * d + (t - a1) * (b2 - b1))| * den <= num * |d|.
        const std::int64_t n = b1 * d + (t - a1) * (b2 - b1);
        const std::int64_t ad = d < 0 ? -d : d;
        const std::int64_t centre = n / d;
        for (std::int64_t r = centre - 2; r <= centre + 2; ++r) {
            std::int64_t off = r * d - n;
            if (off < 0) off = -off;
            if (off * den <= num * ad) x_major ? f(t, r) : f(r, t);
        }
    }
}

void check_brush(PixelBuffer& b, int x1, int y1, int x2, int y2, Colour colour) {
    const PixelBuffer before = b;
    const Rect r = draw_brush_line(b, x1, y1, x2, y2, colour);
    const std::uint32_t paint = colour & 0xFFFFFF;
    if (!r.empty() && (r.x < 0 || r.y < 0 || r.x + r.w > b.width || r.y + r.h > b.height))
        finding("the brush reports a box outside the buffer", r.x, r.y);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            if (b.at(x, y) == before.at(x, y)) continue;
            if (b.at(x, y) != paint) finding("the brush painted another colour", x, y);
            if (!r.contains(x, y)) finding("the brush painted outside the box it reports", x, y);
            // A pen 3 pixels wide reaches 1.5 pixels; the raster adds at most
            // one pixel of rounding across the line.
            if (distance2_to_segment(x, y, x1, y1, x2, y2) > 2.25 * 2.25)
                finding("the brush painted far from the segment", x, y);
        }
    auto must_be_painted = [&](std::int64_t x, std::int64_t y, const char* what) {
        if (x < 0 || y < 0 || x >= b.width || y >= b.height) return;
        if (b.at(static_cast<int>(x), static_cast<int>(y)) != paint) finding(what, static_cast<int>(x), static_cast<int>(y));
    };
    // The pixels nearest the centre line, wherever the line crosses the buffer.
    pixels_near_line(b, x1, y1, x2, y2, 1, 2, [&](std::int64_t x, std::int64_t y) {
        must_be_painted(x, y, "the brush left a gap on its centre line");
    });
    // A segment that needs no cutting is drawn from its exact ends: then the
    // line is a full 3 pixels thick and both ends are round.
    auto uncut = [&](int x, int y) { return x >= -2 && y >= -2 && x <= b.width + 1 && y <= b.height + 1; };
    if (uncut(x1, y1) && uncut(x2, y2)) {
        pixels_near_line(b, x1, y1, x2, y2, 1, 1, [&](std::int64_t x, std::int64_t y) {
            must_be_painted(x, y, "the brush line is thinner than 3 pixels");
        });
        for (const auto& [ex, ey] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
            const int plus[5][2] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& p : plus) must_be_painted(ex + p[0], ey + p[1], "the brush end is not round");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    PixelBuffer b = make_buffer(in);
    for (int op = 0; op < 16 && in.remaining_bytes() > 0; ++op) {
        if (in.ConsumeBool()) {
            // Seeds a little outside the buffer too.
            const int x = in.ConsumeIntegralInRange(-2, b.width + 1);
            const int y = in.ConsumeIntegralInRange(-2, b.height + 1);
            check_fill(b, x, y, pick_colour(in, b));
        } else {
            // Mostly near the buffer; sometimes far away, as a drag off the
            // canvas gives.
            const bool far = in.ConsumeIntegralInRange(0, 7) == 0;
            const int reach = far ? 30000 : 6;
            const int x1 = in.ConsumeIntegralInRange(-reach, b.width + reach);
            const int y1 = in.ConsumeIntegralInRange(-reach, b.height + reach);
            const int x2 = in.ConsumeIntegralInRange(-reach, b.width + reach);
            const int y2 = in.ConsumeIntegralInRange(-reach, b.height + reach);
            check_brush(b, x1, y1, x2, y2, pick_colour(in, b));
        }
    }
    return 0;
}
