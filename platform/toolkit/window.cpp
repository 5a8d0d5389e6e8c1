// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit/window.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {
constexpr Colour kButtonFace = 0xF0F0F0;
}

Window::Window(std::function<double()> clock)
    : clock_(std::move(clock)), frame_(static_cast<std::size_t>(kWidth) * kHeight, kButtonFace | kOpaque) {
    invalidate_all();
}

PictureBox& Window::add_box(int id, std::string name, Rect bounds, Colour background, int focus_order) {
    if (id != box_count()) throw std::logic_error("boxes are added in id order");
    boxes_.push_back(std::make_unique<PictureBox>(*this, id, std::move(name), bounds, background, focus_order));
    return *boxes_.back();
}

Canvas& Window::add_canvas(int id, std::string name, Rect bounds, Colour background, int focus_order) {
    if (id != box_count()) throw std::logic_error("boxes are added in id order");
    auto canvas = std::make_unique<Canvas>(*this, id, std::move(name), bounds, background, focus_order);
    Canvas& ref = *canvas;
    boxes_.push_back(std::move(canvas));
    return ref;
}

void Window::set_stacking_front_to_back(std::vector<int> ids) { front_to_back_ = std::move(ids); }

Timer& Window::add_timer(int id, int interval_ms) {
    timers_.push_back(std::make_unique<Timer>(id, interval_ms));
    return *timers_.back();
}

Timer& Window::timer(int id) {
    for (auto& t : timers_)
        if (t->id() == id) return *t;
    throw std::out_of_range("no such timer");
}

void Window::set_background(Picture picture) {
    if (picture == background_) return;
    background_ = std::move(picture);
    invalidate_all();
}

int Window::hit_test(int x, int y) const {
    for (int id : front_to_back_) {
        const PictureBox& b = *boxes_[static_cast<std::size_t>(id)];
        if (b.Visible() && b.bounds().contains(x, y)) return id;
    }
    return kWindowId;
}

bool Window::can_receive(int id) const {
    if (id == kWindowId) return true;
    const PictureBox& b = box(id);
    return b.Visible() && b.Enabled();
}

Cursor Window::cursor_at(int x, int y) const {
    const int id = capturing_ ? capture_ : hit_test(x, y);
    if (id != kWindowId && box(id).cursor()) return box(id).cursor();
    return window_cursor_;
}

void Window::take_focus(int id) {
    if (id == kWindowId) return;
    focus_ = id;
    focus_chosen_ = true;
}

void Window::deliver(int id, const ControlEvent& event) {
    if (!sink_) return;
    ControlEvent e = event;
    if (id != kWindowId) {
        e.x -= static_cast<float>(box(id).Left());
        e.y -= static_cast<float>(box(id).Top());
    }
    sink_->dispatch(id, e);
}

void Window::route(const InputEvent& in) {
    // A disabled box swallows nothing: its events reach the window itself.
    auto receiver_at = [&](int x, int y) {
        const int id = hit_test(x, y);
        return can_receive(id) ? id : kWindowId;
    };
    if (capturing_ && !can_receive(capture_)) capturing_ = false;

    ControlEvent e;
    e.shift = in.shift;
    e.x = static_cast<float>(in.x);
    e.y = static_cast<float>(in.y);
    switch (in.type) {
    case InputEvent::Type::MouseMove: {
        e.kind = EventKind::MouseMove;
        e.button = buttons_held_;
        deliver(capturing_ ? capture_ : receiver_at(in.x, in.y), e);
        break;
    }
    case InputEvent::Type::MouseDown: {
        if (!capturing_) {
            capture_ = receiver_at(in.x, in.y);
            capturing_ = true;
            buttons_held_ = 0;
            take_focus(capture_);
        }
        buttons_held_ |= in.button;
        e.kind = EventKind::MouseDown;
        e.button = in.button;
        deliver(capture_, e);
        break;
    }
    case InputEvent::Type::MouseUp: {
        buttons_held_ &= ~in.button;
        if (capturing_ && buttons_held_ == 0) {
            const int target = capture_;
            capturing_ = false;
            if (target != kWindowId && hit_test(in.x, in.y) == target && can_receive(target)) {
                e.kind = EventKind::Click;
                e.button = in.button;
                deliver(target, e);
            }
        }
        break;
    }
    case InputEvent::Type::KeyDown: {
        if (!focus_chosen_) {
            // The first focus goes to the lowest focus order that can take it.
            int best = kWindowId;
            for (const auto& b : boxes_)
                if (can_receive(b->id()) && (best == kWindowId || b->focus_order() < box(best).focus_order()))
                    best = b->id();
            take_focus(best);
        }
        e.kind = EventKind::KeyDown;
        e.key = in.key;
        deliver(can_receive(focus_) ? focus_ : kWindowId, e);
        break;
    }
    }
}

void Window::fire_due_timers(double now) {
    for (auto& t : timers_) {
        if (t->take_due(now) && sink_) {
            ControlEvent e;
            e.kind = EventKind::Timer;
            sink_->dispatch(t->id(), e);
        }
    }
}

double Window::next_timer_due() const {
    double due = std::numeric_limits<double>::max();
    for (const auto& t : timers_)
        if (t->Enabled()) due = std::min(due, t->next_due());
    return due;
}

void Window::invalidate(const Rect& rect) {
    dirty_ = unite(dirty_, intersect(rect, Rect{0, 0, kWidth, kHeight}));
}

Rect Window::compose() {
    const Rect r = dirty_;
    dirty_ = Rect{};
    if (r.empty()) return r;
    std::uint32_t* f = frame_.data();
    for (int y = r.y; y < r.y + r.h; ++y)
        std::fill_n(f + static_cast<std::size_t>(y) * kWidth + r.x, r.w, kButtonFace | kOpaque);
    if (background_) blit_picture(*background_, 0, 0, Rect{0, 0, kWidth, kHeight}, f, kWidth, r);
    for (auto it = front_to_back_.rbegin(); it != front_to_back_.rend(); ++it) {
        const PictureBox& b = *boxes_[static_cast<std::size_t>(*it)];
        if (b.Visible()) b.paint(f, kWidth, kHeight, r);
    }
    return r;
}
