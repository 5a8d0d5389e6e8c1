// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the screen from the frame: a changed part painted alone matches
// a full rescale pixel for pixel (no seams), the bars stay black, and a thin
// line keeps one width wherever it lies.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/frame_scaler.h"

namespace {

constexpr int kFrameW = 1024, kFrameH = 768;

struct Screen {
    std::vector<std::uint32_t> px;
    int w, h;
    ScreenBuffer buffer() { return ScreenBuffer{px.data(), w * 4, PixelLayout{}}; }
};

Screen screen_of(const DisplayMapping& m, std::uint32_t fill) {
    return Screen{std::vector<std::uint32_t>(static_cast<std::size_t>(m.screen_width()) * m.screen_height(), fill),
                  m.screen_width(), m.screen_height()};
}

std::vector<std::uint32_t> noise(std::mt19937& rng) {
    std::vector<std::uint32_t> f(static_cast<std::size_t>(kFrameW) * kFrameH);
    for (auto& p : f) p = rng() & 0xFFFFFFu;
    return f;
}

// A part of the frame changes; only the screen pixels that read it are
// painted again, on top of the old screen. The result must be exactly a full
// rescale of the new frame, and the part painted no bigger than its share.
TEST(FrameScaler, AChangedPartPaintedAloneMatchesAFullRescale) {
    const int sizes[][2] = {{1920, 1080}, {1280, 1024}, {3840, 2160}, {800, 600}, {1366, 768}, {1024, 768}};
    const Rect changes[] = {{0, 0, 1, 1},       {1023, 767, 1, 1}, {500, 300, 1, 1},  {30, 29, 750, 600},
                            {93, 675, 84, 85},  {0, 700, 1024, 3}, {1000, 0, 24, 768}, {417, 211, 13, 7}};
    std::mt19937 rng(7);
    for (const auto& size : sizes) {
        const DisplayMapping m(size[0], size[1], kFrameW, kFrameH);
        const FrameScaler scaler(m);
        for (Scaling scaling : {Scaling::Linear, Scaling::Nearest}) {
            SCOPED_TRACE(std::to_string(size[0]) + "x" + std::to_string(size[1]) +
                         (scaling == Scaling::Linear ? " linear" : " nearest"));
            std::vector<std::uint32_t> frame = noise(rng);
            Screen updated = screen_of(m, 0);
            scaler.paint(scaling, frame.data(), m.shown(), updated.buffer());
            for (const Rect& c : changes) {
                for (int y = c.y; y < c.y + c.h; ++y)
                    for (int x = c.x; x < c.x + c.w; ++x) frame[static_cast<std::size_t>(y) * kFrameW + x] = rng() & 0xFFFFFFu;
                const Rect area = m.window_covering(c, scaling);
                // The share of the screen: the change scaled, plus the
                // pixels a sample reaches beyond it.
                const double sx = m.shown().w / double(kFrameW), sy = m.shown().h / double(kFrameH);
                EXPECT_LE(area.w, (c.w + 2) * sx + 2);
                EXPECT_LE(area.h, (c.h + 2) * sy + 2);
                scaler.paint(scaling, frame.data(), area, updated.buffer());
            }
            Screen full = screen_of(m, 0);
            scaler.paint(scaling, frame.data(), m.shown(), full.buffer());
            ASSERT_EQ(updated.px.size(), full.px.size());
            std::size_t differ = 0, first = 0;
            for (std::size_t i = 0; i < full.px.size(); ++i)
                if (updated.px[i] != full.px[i] && differ++ == 0) first = i;
            EXPECT_EQ(differ, 0u) << "first at " << first % full.w << "," << first / full.w;
        }
    }
}

// Painting never reaches the bars, and paint_bars makes them black.
TEST(FrameScaler, BarsStayBlackAndPaintingStaysInsideTheShownPart) {
    const int sizes[][2] = {{1920, 1080}, {1280, 1024}, {1366, 768}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size[0]) + "x" + std::to_string(size[1]));
        const DisplayMapping m(size[0], size[1], kFrameW, kFrameH);
        const FrameScaler scaler(m);
        const std::vector<std::uint32_t> white(static_cast<std::size_t>(kFrameW) * kFrameH, 0xFFFFFFu);
        Screen s = screen_of(m, 0xABCDEFu);
        scaler.paint(Scaling::Linear, white.data(), Rect{-50, -50, size[0] + 100, size[1] + 100}, s.buffer());
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x)
                ASSERT_EQ(s.px[static_cast<std::size_t>(y) * s.w + x], m.shown().contains(x, y) ? 0xFFFFFFu : 0xABCDEFu)
                    << x << "," << y;
        paint_bars(m, s.buffer());
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x)
                ASSERT_EQ(s.px[static_cast<std::size_t>(y) * s.w + x], m.shown().contains(x, y) ? 0xFFFFFFu : 0u)
                    << x << "," << y;
    }
}

// The frame's 0x00BBGGRR pixels arrive in the screen's own channel order.
TEST(FrameScaler, ChannelsGoWhereTheScreenWantsThem) {
    const DisplayMapping m(1920, 1080, kFrameW, kFrameH);
    const FrameScaler scaler(m);
    const std::vector<std::uint32_t> orange(static_cast<std::size_t>(kFrameW) * kFrameH, 0x0020A0F0u);
    struct Case {
        PixelLayout layout;
        std::uint32_t expected;
    } cases[] = {{{16, 8, 0}, 0x00F0A020u}, {{0, 8, 16}, 0x0020A0F0u}, {{24, 16, 8}, 0xF0A02000u}};
    for (const Case& c : cases) {
        Screen s = screen_of(m, 0);
        scaler.paint(Scaling::Linear, orange.data(), m.shown(),
                     ScreenBuffer{s.px.data(), s.w * 4, c.layout});
        EXPECT_EQ(s.px[540u * 1920 + 960], c.expected);
    }
}

// A one-pixel black line on white, at every place across a few screen
// pixels: the nearest pixel makes it one screen pixel wide here and two
// there; under linear scaling its ink (the darkness summed across it) stays
// near its width times the scale wherever it lies.
TEST(FrameScaler, AThinLineKeepsItsWeightWhereverItLies) {
    const DisplayMapping m(1920, 1080, kFrameW, kFrameH);
    const FrameScaler scaler(m);
    const double scale = 1440.0 / 1024;
    auto ink = [&](Scaling scaling, int line_x) {
        std::vector<std::uint32_t> f(static_cast<std::size_t>(kFrameW) * kFrameH, 0xFFFFFFu);
        for (int y = 0; y < kFrameH; ++y) f[static_cast<std::size_t>(y) * kFrameW + line_x] = 0;
        Screen s = screen_of(m, 0);
        scaler.paint(scaling, f.data(), m.shown(), s.buffer());
        double sum = 0;
        for (int x = m.shown().x; x < m.shown().x + m.shown().w; ++x)
            sum += 255 - (s.px[540u * 1920 + x] & 0xFFu);
        return sum / 255;
    };
    double linear_min = 1e9, linear_max = 0, nearest_min = 1e9, nearest_max = 0;
    for (int line_x = 500; line_x < 532; ++line_x) {
        linear_min = std::min(linear_min, ink(Scaling::Linear, line_x));
        linear_max = std::max(linear_max, ink(Scaling::Linear, line_x));
        nearest_min = std::min(nearest_min, ink(Scaling::Nearest, line_x));
        nearest_max = std::max(nearest_max, ink(Scaling::Nearest, line_x));
    }
    EXPECT_EQ(nearest_min, 1.0);
    EXPECT_EQ(nearest_max, 2.0);
    EXPECT_GT(linear_min, scale * 0.85);
    EXPECT_LT(linear_max, scale * 1.15);
}

}  // namespace
