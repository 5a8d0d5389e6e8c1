// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Event routing of the toolkit: stacking, hidden and disabled boxes, mouse
// capture, clicks, focus; checked on the real window definition.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/toolkit/window.h"
#include "screens/controls.h"
#include "screens/window_definition.h"

namespace {

struct Delivered {
    int id;
    EventKind kind;
    int button;
    float x, y;
    int key;
};

struct Recorder : IEventSink {
    std::vector<Delivered> events;
    void dispatch(int id, const ControlEvent& e) override { events.push_back({id, e.kind, e.button, e.x, e.y, e.key}); }
};

// The window of the program as defined, without pictures.
class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const ControlDefinition& d : kWindowDefinition) {
            const Rect r{d.left, d.top, d.width, d.height};
            PictureBox& b = d.id == ctl::Slika ? window.add_canvas(d.id, std::string(d.name), r, d.background, d.focus_order)
                                               : window.add_box(d.id, std::string(d.name), r, d.background, d.focus_order);
            b.set_visible(d.visible);
        }
        window.set_stacking_front_to_back({kStackingFrontToBack.begin(), kStackingFrontToBack.end()});
        window.set_sink(&rec);
    }
    void send(InputEvent::Type t, int x, int y, int button = 0, int key = 0, int shift = 0) {
        window.route(InputEvent{t, x, y, button, shift, key});
    }
    void move(int x, int y) { send(InputEvent::Type::MouseMove, x, y); }
    void down(int x, int y, int b = 1) { send(InputEvent::Type::MouseDown, x, y, b); }
    void up(int x, int y, int b = 1) { send(InputEvent::Type::MouseUp, x, y, b); }
    void key(int vk) { send(InputEvent::Type::KeyDown, 0, 0, 0, vk); }
    int last_target() const { return rec.events.empty() ? -99 : rec.events.back().id; }

    double clock = 0;
    Window window{[this] { return clock; }};
    Recorder rec;
};

TEST_F(Routing, HitTestFollowsStackingAndTheOnePixelOverlaps) {
    struct Case {
        int x, y, expected;
    } cases[] = {
        {936, 440, ctl::Papir},         // Papir covers Rubber's last column
        {935, 440, ctl::Rubber},
        {176, 700, ctl::PaletaZuta},    // PaletaZuta covers PaletaZelena's last column
        {175, 700, ctl::PaletaZelena},
        {30, 29, ctl::Slika},
        {29, 29, kWindowId},
        {779, 628, ctl::Slika},
        {780, 628, kWindowId},
        {1000, 700, ctl::PaletaPink},   // the last box of the row ends at x = 1015
        {1016, 700, kWindowId},
        {500, 300, ctl::Slika},         // hidden panels and thumbnails are skipped
    };
    for (const Case& c : cases) EXPECT_EQ(window.hit_test(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(Routing, PanelsAndThumbnailsLieInFrontOfTheCanvas) {
    window.box(ctl::Izlaz).show();
    window.box(ctl::Da).show();
    EXPECT_EQ(window.hit_test(400, 300), ctl::Izlaz);
    EXPECT_EQ(window.hit_test(400, 420), ctl::Da);
    window.box(ctl::Registered).show();
    window.box(ctl::PrintPict).show();
    EXPECT_EQ(window.hit_test(400, 420), ctl::PrintPict);
    window.box(ctl::thumbnail(1)).set_left(54);
    window.box(ctl::thumbnail(1)).set_top(48);
    window.box(ctl::PrintPict).hide();
    window.box(ctl::Izlaz).hide();
    window.box(ctl::Da).hide();
    window.box(ctl::Registered).hide();
    window.box(ctl::thumbnail(1)).show();
    EXPECT_EQ(window.hit_test(60, 60), ctl::thumbnail(1));
}

TEST_F(Routing, DisabledBoxPassesItsEventsToTheWindowButStillCoversWhatIsBehind) {
    window.box(ctl::Slika).set_enabled(false);
    move(100, 100);
    EXPECT_EQ(last_target(), kWindowId);
    window.box(ctl::Papir).set_enabled(false);
    move(936, 440);  // over the disabled Papir, not the enabled Rubber beneath
    EXPECT_EQ(last_target(), kWindowId);
    down(936, 440);
    up(936, 440);
    for (const Delivered& d : rec.events) EXPECT_NE(d.kind, EventKind::Click);
}

TEST_F(Routing, ADragThatLeavesTheCanvasStaysWithTheCanvasUntilRelease) {
    down(100, 100);
    ASSERT_EQ(last_target(), ctl::Slika);
    EXPECT_FLOAT_EQ(rec.events.back().x, 70);
    EXPECT_FLOAT_EQ(rec.events.back().y, 71);
    move(800, 700);  // over PaletaPlava
    EXPECT_EQ(last_target(), ctl::Slika);
    EXPECT_EQ(rec.events.back().button, mouse::kLeft);
    EXPECT_FLOAT_EQ(rec.events.back().x, 770);
    down(800, 700, mouse::kRight);  // a second button joins the capture
    EXPECT_EQ(last_target(), ctl::Slika);
    move(1010, 760);
    EXPECT_EQ(rec.events.back().button, mouse::kLeft | mouse::kRight);
    up(1010, 760, mouse::kLeft);
    move(1011, 760);
    EXPECT_EQ(last_target(), ctl::Slika);  // still held by the right button
    up(1011, 760, mouse::kRight);
    const std::size_t n = rec.events.size();
    move(800, 700);
    EXPECT_EQ(last_target(), ctl::PaletaPlava);
    for (std::size_t i = 0; i < n; ++i) EXPECT_NE(rec.events[i].kind, EventKind::Click) << "released elsewhere";
}

TEST_F(Routing, ClickFiresOnReleaseOverTheSameBoxOnly) {
    down(960, 440);
    EXPECT_NE(rec.events.back().kind, EventKind::Click);
    up(962, 441);
    EXPECT_EQ(rec.events.back().kind, EventKind::Click);
    EXPECT_EQ(rec.events.back().id, ctl::Papir);

    rec.events.clear();
    down(960, 440);   // press on Papir, release on Rubber: no click
    up(880, 440);
    for (const Delivered& d : rec.events) EXPECT_NE(d.kind, EventKind::Click);
}

TEST_F(Routing, KeysGoToTheFirstFocusThenToTheClickedBox) {
    key(80);
    EXPECT_EQ(last_target(), ctl::Slika);  // focus order 0
    EXPECT_EQ(rec.events.back().key, 80);
    down(800, 700);
    up(800, 700);
    key(88);
    EXPECT_EQ(last_target(), ctl::PaletaPlava);
    // A focused box that is hidden no longer takes keys: they reach the window.
    window.box(ctl::PaletaPlava).hide();
    key(82);
    EXPECT_EQ(last_target(), kWindowId);
}

TEST_F(Routing, TimerFiresEveryIntervalWhileEnabled) {
    Timer& t = window.add_timer(ctl::tmrRepeat, 500);
    clock = 10;
    window.fire_due_timers(clock);
    EXPECT_TRUE(rec.events.empty());
    t.set_enabled(true, clock);
    clock = 10.49;
    window.fire_due_timers(clock);
    EXPECT_TRUE(rec.events.empty());
    clock = 10.5;
    window.fire_due_timers(clock);
    ASSERT_EQ(rec.events.size(), 1u);
    EXPECT_EQ(rec.events.back().kind, EventKind::Timer);
    t.set_enabled(false, clock);
    clock = 20;
    window.fire_due_timers(clock);
    EXPECT_EQ(rec.events.size(), 1u);
}

TEST_F(Routing, PictureIsDrawnUnscaledAndClippedOverTheBackgroundColour) {
    auto pic = std::make_shared<PictureData>();
    pic->width = 86;  // wider than its 84-pixel box, like the last palette button
    pic->height = 10;
    pic->pixels.assign(86 * 10, rgb(1, 2, 3));
    PictureBox& pink = window.box(ctl::PaletaPink);
    pink.set_picture(pic);
    window.compose();
    auto at = [&](int x, int y) { return window.frame()[static_cast<std::size_t>(y) * Window::kWidth + x] & 0xFFFFFF; };
    EXPECT_EQ(at(932, 675), rgb(1, 2, 3));
    EXPECT_EQ(at(1015, 684), rgb(1, 2, 3));
    EXPECT_EQ(at(1016, 684), 0xF0F0F0u) << "the two extra columns are cut off";
    EXPECT_EQ(at(940, 700), pink.background()) << "uncovered part shows the box's background colour";
}

}  // namespace
