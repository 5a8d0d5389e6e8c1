// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill and the brush as pure functions on a pixel buffer.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "colouring/brush.h"
#include "colouring/fill.h"
#include "tests/support/reference_fill.h"

namespace {

// A fixture drawn from text: '#' black, '.' white, 'r' RGB (10, 0, 0), 'g' grey.
PixelBuffer from_art(const std::vector<std::string>& rows) {
    PixelBuffer b(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 0);
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x) {
            const char c = rows[y][x];
            b.at(x, y) = c == '#' ? 0 : c == 'r' ? rgb(10, 0, 0) : c == 'g' ? rgb(128, 128, 128) : kWhite;
        }
    return b;
}

std::vector<std::string> to_art(const PixelBuffer& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.height; ++y) {
        std::string row;
        for (int x = 0; x < b.width; ++x) {
            const std::uint32_t c = b.at(x, y);
            row += c == 0 ? '#' : c == kWhite ? '.' : c == rgb(255, 0, 0) ? 'R' : c == rgb(10, 0, 0) ? 'r' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct FillCase {
    const char* name;
    std::vector<std::string> before;
    int x, y;
    std::vector<std::string> after;  // R: filled red
};

void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

class FillCases : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillCases, FillsExactlyTheRegion) {
    const FillCase& c = GetParam();
    PixelBuffer b = from_art(c.before);
    flood_fill(b, c.x, c.y, rgb(255, 0, 0));
    EXPECT_EQ(to_art(b), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, FillCases,
    ::testing::Values(
        FillCase{"enclosed_area",
                 {"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"}, 2, 2,
                 {"......", ".####.", ".#RR#.", ".#RR#.", ".####.", "......"}},
        FillCase{"outside_flows_around",
                 {"......", ".####.", ".#..#.", ".####.", "......"}, 0, 0,
                 {"RRRRRR", "R####R", "R#..#R", "R####R", "RRRRRR"}},
        // A one-pixel diagonal line separates two areas: contact by corners only.
        FillCase{"diagonal_barrier",
                 {"#....", ".#...", "..#..", "...#.", "....#"}, 0, 4,
                 {"#....", "R#...", "RR#..", "RRR#.", "RRRR#"}},
        FillCase{"seed_value_ten_is_not_outline",
                 {"rr#..", "rr#..", "###.."}, 0, 0,
                 {"RR#..", "RR#..", "###.."}},
        FillCase{"touches_every_edge",
                 {"....", "....", "...."}, 3, 2,
                 {"RRRR", "RRRR", "RRRR"}},
        FillCase{"u_shape_needs_both_directions",
                 {".#.#.", ".#.#.", ".#.#.", ".....", "#####"}, 0, 0,
                 {"R#R#R", "R#R#R", "R#R#R", "RRRRR", "#####"}},
        FillCase{"seed_outside_changes_nothing",
                 {"...", "..."}, 5, 5,
                 {"...", "..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fill, SameColourChangesNothing) {
    PixelBuffer b = from_art({"...", "..."});
    const Rect r = flood_fill(b, 1, 1, kWhite);
    EXPECT_TRUE(r.empty());
    EXPECT_EQ(to_art(b), (std::vector<std::string>{"...", "..."}));
}

TEST(Fill, ReportsTheBoundingBoxOfWhatChanged) {
    PixelBuffer b = from_art({"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"});
    const Rect r = flood_fill(b, 2, 2, rgb(255, 0, 0));
    EXPECT_EQ(r.x, 2);
    EXPECT_EQ(r.y, 2);
    EXPECT_EQ(r.w, 2);
    EXPECT_EQ(r.h, 2);
}

TEST(Fill, WholeCanvasWithoutRecursion) {
    PixelBuffer b(750, 600, kWhite);
    flood_fill(b, 374, 299, rgb(1, 2, 3));
    for (std::uint32_t p : b.pixels) ASSERT_EQ(p, rgb(1, 2, 3));
}

TEST(Fill, OnePixelMazesMatchReference) {
    // A one-pixel corridor winding through the whole canvas (the worst case
    // for span fills, and deep enough to overflow any recursive fill), and a
    // comb whose one-pixel teeth hang down from the top row and up from the
    // bottom row, each tooth a column of one-pixel runs.
    PixelBuffer serpentine(750, 600, kWhite);
    for (int y = 1; y < 600; y += 2)
        for (int x = 0; x < 750; ++x)
            if (!((y / 2) % 2 == 0 ? x == 749 : x == 0)) serpentine.at(x, y) = 0;
    PixelBuffer comb(750, 600, kWhite);
    for (int y = 1; y < 599; ++y)
        for (int x = 1; x < 750; x += 2) comb.at(x, y) = 0;
    for (int x = 1; x < 750; x += 4) comb.at(x, 299) = kWhite;  // a few teeth joined
    for (PixelBuffer* maze : {&serpentine, &comb})
        for (const auto& [sx, sy] : {std::pair{0, 0}, std::pair{748, 599}, std::pair{374, 300}}) {
            PixelBuffer b = *maze, ref = *maze;
            const Rect r = flood_fill(b, sx, sy, rgb(9, 9, 9));
            reference_fill(ref, sx, sy, rgb(9, 9, 9));
            ASSERT_EQ(b.pixels, ref.pixels) << (maze == &comb ? "comb" : "serpentine") << " from " << sx << "," << sy;
            EXPECT_FALSE(r.empty());
        }
}

TEST(Fill, RandomDrawingsMatchBreadthFirstReference) {
    std::mt19937 rng(20261210);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + static_cast<int>(rng() % 40), h = 1 + static_cast<int>(rng() % 40);
        PixelBuffer b(w, h, kWhite);
        const int density = static_cast<int>(rng() % 70);
        const Colour colours[3] = {kWhite, 0, rgb(200, 10, 10)};
        for (auto& p : b.pixels) p = (static_cast<int>(rng() % 100) < density) ? colours[1 + rng() % 2] : colours[0];
        const int sx = static_cast<int>(rng() % w), sy = static_cast<int>(rng() % h);
        PixelBuffer ref = b;
        const Colour paint = rng() % 4 == 0 ? rgb(200, 10, 10) : rgb(0, 0, 255);
        flood_fill(b, sx, sy, paint);
        reference_fill(ref, sx, sy, paint);
        ASSERT_EQ(b.pixels, ref.pixels) << "round " << round;
    }
}

TEST(Brush, DrawsAThreePixelLineWithRoundEnds) {
    PixelBuffer b(20, 20, kWhite);
    draw_brush_line(b, 5, 10, 14, 10, rgb(255, 0, 0));
    for (int x = 4; x <= 15; ++x)
        for (int y = 9; y <= 11; ++y) EXPECT_EQ(b.at(x, y), rgb(255, 0, 0)) << x << "," << y;
    EXPECT_EQ(b.at(3, 10), kWhite);
    EXPECT_EQ(b.at(16, 10), kWhite);
    EXPECT_EQ(b.at(10, 8), kWhite);
    EXPECT_EQ(b.at(10, 12), kWhite);
}

TEST(Brush, DiagonalLineHasNoGaps) {
    // A diagonal stroke must itself be a closed barrier for the fill.
    PixelBuffer b(30, 30, kWhite);
    draw_brush_line(b, 0, 0, 29, 29, 0);
    PixelBuffer probe = b;
    flood_fill(probe, 29, 0, rgb(255, 0, 0));
    EXPECT_EQ(probe.at(0, 29), kWhite);
}

TEST(Brush, ClipsAtTheEdgesAndFarOutside) {
    PixelBuffer b(10, 10, kWhite);
    const Rect r = draw_brush_line(b, -50, 5, 60, 5, rgb(0, 0, 255));
    for (int x = 0; x < 10; ++x) EXPECT_EQ(b.at(x, 5), rgb(0, 0, 255));
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.w, 10);
    PixelBuffer c(10, 10, kWhite);
    EXPECT_TRUE(draw_brush_line(c, -100000, -100000, -90000, 100000, 0).empty());
    for (std::uint32_t p : c.pixels) EXPECT_EQ(p, kWhite);
}

TEST(Brush, SinglePointIsADot) {
    PixelBuffer b(5, 5, kWhite);
    draw_brush_line(b, 2, 2, 2, 2, 0);
    int black = 0;
    for (std::uint32_t p : b.pixels) black += p == 0;
    EXPECT_EQ(black, 9);
}

}  // namespace
