// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one window: its background picture, its picture boxes in stacking
// order, hit testing, mouse capture, focus and event routing, and composing
// the frame that a back-end puts on screen.
#include <functional>
#include <memory>
#include <vector>

#include "platform/toolkit/canvas.h"
#include "platform/toolkit/events.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/timer.h"

class Window {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    explicit Window(std::function<double()> clock);

    // Building the window: boxes are added in id order; the stacking order is
    // given front to back once all are added.
    PictureBox& add_box(int id, std::string name, Rect bounds, Colour background, int focus_order);
    Canvas& add_canvas(int id, std::string name, Rect bounds, Colour background, int focus_order);
    void set_stacking_front_to_back(std::vector<int> ids);
    Timer& add_timer(int id, int interval_ms);
    Timer& timer(int id);

    PictureBox& box(int id) { return *boxes_.at(static_cast<std::size_t>(id)); }
    const PictureBox& box(int id) const { return *boxes_.at(static_cast<std::size_t>(id)); }
    int box_count() const { return static_cast<int>(boxes_.size()); }

    void set_background(Picture picture);
    const Picture& background() const { return background_; }
    void set_window_cursor(Cursor cursor) { window_cursor_ = std::move(cursor); }

    // Routing. The sink receives every control event.
    void set_sink(IEventSink* sink) { sink_ = sink; }
    void route(const InputEvent& event);
    // Fires the timers whose time has come.
    void fire_due_timers(double now);
    // The earliest time a timer wants to fire, or a large value.
    double next_timer_due() const;

    // Hit testing: the front-most visible box under the point, or kWindowId.
    int hit_test(int x, int y) const;
    int focused() const { return focus_; }
    int captured() const { return capture_; }
    int buttons_held() const { return buttons_held_; }
    // The pointer image for the point: the box's own, else the window's.
    Cursor cursor_at(int x, int y) const;

    // Frame composition. Dirty regions accumulate until compose() is called.
    void invalidate(const Rect& rect);
    void invalidate_all() { invalidate(Rect{0, 0, kWidth, kHeight}); }
    bool dirty() const { return !dirty_.empty(); }
    // Redraws the dirty region into frame(); returns the region redrawn.
    Rect compose();
    const std::vector<std::uint32_t>& frame() const { return frame_; }

    double now() const { return clock_(); }

private:
    void deliver(int id, const ControlEvent& event);
    void take_focus(int id);
    bool can_receive(int id) const;

    std::function<double()> clock_;
    std::vector<std::unique_ptr<PictureBox>> boxes_;
    std::vector<int> front_to_back_;
    std::vector<std::unique_ptr<Timer>> timers_;
    Picture background_;
    Cursor window_cursor_;
    IEventSink* sink_ = nullptr;
    int focus_ = kWindowId;
    bool focus_chosen_ = false;
    int capture_ = kWindowId;
    bool capturing_ = false;
    int buttons_held_ = 0;
    Rect dirty_{};
    std::vector<std::uint32_t> frame_;
};
