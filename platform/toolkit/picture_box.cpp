// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit/picture_box.h"

#include <algorithm>

#include "platform/toolkit/window.h"

Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

Rect intersect(const Rect& a, const Rect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
    if (x1 <= x0 || y1 <= y0) return Rect{};
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

PictureBox::PictureBox(Window& owner, int id, std::string name, Rect bounds, Colour background, int focus_order)
    : owner_(owner), id_(id), name_(std::move(name)), bounds_(bounds), background_(background),
      focus_order_(focus_order) {}

void PictureBox::invalidate() const {
    if (visible_) owner_.invalidate(bounds_);
}

void PictureBox::set_left(int left) {
    if (left == bounds_.x) return;
    invalidate();
    bounds_.x = left;
    invalidate();
}

void PictureBox::set_top(int top) {
    if (top == bounds_.y) return;
    invalidate();
    bounds_.y = top;
    invalidate();
}

void PictureBox::set_visible(bool visible) {
    if (visible == visible_) return;
    owner_.invalidate(bounds_);
    visible_ = visible;
}

void PictureBox::set_picture(Picture picture) {
    // The same decoded picture again looks the same: nothing to redraw.
    if (picture == picture_) return;
    picture_ = std::move(picture);
    invalidate();
}

void PictureBox::set_cursor(Cursor cursor) { cursor_ = std::move(cursor); }

void blit_picture(const PictureData& picture, int left, int top, const Rect& box, std::uint32_t* frame,
                  int frame_w, const Rect& clip) {
    const Rect pic{left, top, picture.width, picture.height};
    const Rect r = intersect(intersect(pic, box), clip);
    if (r.empty()) return;
    for (int y = r.y; y < r.y + r.h; ++y) {
        const std::uint32_t* src = &picture.pixels[static_cast<std::size_t>(y - top) * picture.width + (r.x - left)];
        std::uint32_t* dst = frame + static_cast<std::size_t>(y) * frame_w + r.x;
        for (int x = 0; x < r.w; ++x) dst[x] = src[x] | kOpaque;
    }
}

void PictureBox::paint(std::uint32_t* frame, int frame_w, int frame_h, const Rect& clip) const {
    const Rect r = intersect(intersect(bounds_, clip), Rect{0, 0, frame_w, frame_h});
    if (r.empty()) return;
    const bool covered = picture_ && picture_->width >= bounds_.w && picture_->height >= bounds_.h;
    if (!covered) {
        for (int y = r.y; y < r.y + r.h; ++y)
            std::fill_n(frame + static_cast<std::size_t>(y) * frame_w + r.x, r.w, background_ | kOpaque);
    }
    if (picture_) blit_picture(*picture_, bounds_.x, bounds_.y, bounds_, frame, frame_w, r);
}
