// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame on a screen of another size: where it is shown, which frame
// pixel a pointer position means, and which screen pixels show a frame
// rectangle, on the screen sizes the program meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/display_mapping.h"
#include "screens/thumbnail_table.h"
#include "screens/window_definition.h"

namespace {

constexpr int kFrameW = 1024, kFrameH = 768;

struct Screen {
    int w, h;
    Rect shown;
};
// clang-format off
const Screen kScreens[] = {
    {1024,  768, {  0,  0, 1024,  768}},
    {1920, 1080, {240,  0, 1440, 1080}},
    {1280, 1024, {  0, 32, 1280,  960}},
    {3840, 2160, {480,  0, 2880, 2160}},
    { 800,  600, {  0,  0,  800,  600}},
    {1366,  768, {171,  0, 1024,  768}},
};
// clang-format on

std::string name_of(const Screen& s) { return std::to_string(s.w) + "x" + std::to_string(s.h); }

struct NamedRect {
    std::string name;
    Rect r;
};

// Every control's rectangle, the thumbnails at their places in the gallery.
std::vector<NamedRect> control_rects() {
    std::vector<NamedRect> out;
    for (const ControlDefinition& d : kWindowDefinition) {
        Rect r{d.left, d.top, d.width, d.height};
        if (d.id >= ctl::Galerija1 && d.id <= ctl::Galerija25) {
            const ThumbnailRow& t = thumbnail_table()[static_cast<std::size_t>(d.id - ctl::Galerija1 + 1)];
            r.x = t.left;
            r.y = t.top;
        }
        out.push_back({std::string(d.name), r});
    }
    return out;
}

std::vector<Point> corners_and_centre(const Rect& r) {
    return {{r.x, r.y}, {r.x + r.w - 1, r.y}, {r.x, r.y + r.h - 1}, {r.x + r.w - 1, r.y + r.h - 1},
            {r.x + r.w / 2, r.y + r.h / 2}};
}

bool inside(const Rect& r, Point p) { return r.contains(p.x, p.y); }

TEST(DisplayMapping, TheFrameIsScaledToFitAndCentred) {
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(name_of(s));
        const DisplayMapping m(s.w, s.h, kFrameW, kFrameH);
        EXPECT_EQ(m.shown().x, s.shown.x);
        EXPECT_EQ(m.shown().y, s.shown.y);
        EXPECT_EQ(m.shown().w, s.shown.w);
        EXPECT_EQ(m.shown().h, s.shown.h);
        EXPECT_EQ(m.identity(), s.w == kFrameW && s.h == kFrameH);
    }
}

// Where a control is seen on the screen, every pixel means that control:
// its corners and centre map back into it, and the pixels just beside it
// do not.
TEST(DisplayMapping, EveryControlIsPointedAtWhereItIsSeen) {
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(name_of(s));
        const DisplayMapping m(s.w, s.h, kFrameW, kFrameH);
        for (const NamedRect& c : control_rects()) {
            SCOPED_TRACE(c.name);
            const Rect seen = m.window_inside(c.r);
            ASSERT_FALSE(seen.empty());
            for (Point p : corners_and_centre(seen)) {
                const auto f = m.to_frame(p.x, p.y);
                ASSERT_TRUE(f.has_value()) << p.x << "," << p.y;
                EXPECT_TRUE(inside(c.r, *f)) << "screen " << p.x << "," << p.y << " is frame " << f->x << "," << f->y;
            }
            for (Point p : std::vector<Point>{{seen.x - 1, seen.y}, {seen.x + seen.w, seen.y},
                                              {seen.x, seen.y - 1}, {seen.x, seen.y + seen.h}}) {
                const auto f = m.to_frame(p.x, p.y);
                EXPECT_TRUE(!f || !inside(c.r, *f)) << "screen " << p.x << "," << p.y << " is outside the control";
            }
            // Where the control's own corner and centre pixels are drawn
            // (there is such a pixel for each when the frame is enlarged).
            if (m.shown().w >= kFrameW) {
                for (Point p : corners_and_centre(c.r)) {
                    const Point w = m.to_window(p.x, p.y);
                    EXPECT_TRUE(inside(seen, w));
                    EXPECT_EQ(m.to_frame(w.x, w.y), std::optional<Point>(p));
                }
            }
        }
    }
}

TEST(DisplayMapping, FramePixelCentresGoToTheScreenAndBackExactly) {
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(name_of(s));
        const DisplayMapping m(s.w, s.h, kFrameW, kFrameH);
        // A smaller screen has fewer pixels than the frame: the way back
        // lands on the frame pixel or its neighbour.
        const int tolerance = m.shown().w >= kFrameW ? 0 : 1;
        int worst = 0;
        for (int y = 0; y < kFrameH; ++y)
            for (int x = 0; x < kFrameW; ++x) {
                const Point w = m.to_window(x, y);
                ASSERT_TRUE(inside(m.shown(), w)) << x << "," << y;
                const Point f = *m.to_frame(w.x, w.y);
                worst = std::max({worst, std::abs(f.x - x), std::abs(f.y - y)});
            }
        EXPECT_LE(worst, tolerance);
    }
}

// A press on the bars is nobody's; a drag that left the frame is pinned to
// its edge.
TEST(DisplayMapping, BarsMapToNothingAndClampToTheNearestEdge) {
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(name_of(s));
        const DisplayMapping m(s.w, s.h, kFrameW, kFrameH);
        const Rect in = m.shown();
        const int mx = in.x + in.w / 2, my = in.y + in.h / 2;
        struct Case {
            bool exists;
            Point screen;
            Point edge;
        };
        const Point mid = *m.to_frame(mx, my);
        const Case cases[] = {
            {in.x > 0, {0, my}, {0, mid.y}},
            {in.x > 0, {in.x - 1, my}, {0, mid.y}},
            {in.x + in.w < s.w, {in.x + in.w, my}, {kFrameW - 1, mid.y}},
            {in.x + in.w < s.w, {s.w - 1, 0}, {kFrameW - 1, 0}},
            {in.y > 0, {mx, 0}, {mid.x, 0}},
            {in.y + in.h < s.h, {mx, s.h - 1}, {mid.x, kFrameH - 1}},
            {true, {-5, -5}, {0, 0}},
            {true, {s.w + 40, s.h + 40}, {kFrameW - 1, kFrameH - 1}},
        };
        for (const Case& c : cases) {
            if (!c.exists) continue;
            SCOPED_TRACE(std::to_string(c.screen.x) + "," + std::to_string(c.screen.y));
            EXPECT_FALSE(m.to_frame(c.screen.x, c.screen.y).has_value());
            EXPECT_EQ(m.to_frame_clamped(c.screen.x, c.screen.y), c.edge);
        }
        // Inside, clamping changes nothing.
        EXPECT_EQ(m.to_frame_clamped(mx, my), mid);
        EXPECT_EQ(*m.to_frame(in.x, in.y), (Point{0, 0}));
        EXPECT_EQ(*m.to_frame(in.x + in.w - 1, in.y + in.h - 1), (Point{kFrameW - 1, kFrameH - 1}));
    }
}

// A nearest sample shows the frame pixel the pointer means there.
TEST(DisplayMapping, NearestSamplesAreThePixelsUnderThePointer) {
    for (const Screen& s : kScreens) {
        SCOPED_TRACE(name_of(s));
        const DisplayMapping m(s.w, s.h, kFrameW, kFrameH);
        const Rect in = m.shown();
        for (int i = 0; i < in.w; ++i) {
            const int p = m.sample_x()[static_cast<std::size_t>(i)];
            ASSERT_EQ((p + DisplayMapping::kOne / 2) >> DisplayMapping::kFractionBits, m.to_frame(in.x + i, in.y)->x);
        }
        for (int i = 0; i < in.h; ++i) {
            const int p = m.sample_y()[static_cast<std::size_t>(i)];
            ASSERT_EQ((p + DisplayMapping::kOne / 2) >> DisplayMapping::kFractionBits, m.to_frame(in.x, in.y + i)->y);
        }
    }
}

}  // namespace
