// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/toolkit/canvas.h"

#include <algorithm>

#include "platform/toolkit/window.h"

Canvas::Canvas(Window& owner, int id, std::string name, Rect bounds, Colour background, int focus_order)
    : PictureBox(owner, id, std::move(name), bounds, background, focus_order),
      image_(bounds.w, bounds.h, background & 0xFFFFFF) {}

void Canvas::set_picture(Picture picture) {
    // Unlike a plain box, the canvas always starts a fresh image from the
    // picture: putting the same drawing in again discards the colouring.
    std::fill(image_.pixels.begin(), image_.pixels.end(), background() & 0xFFFFFF);
    if (picture) {
        const int w = std::min(picture->width, image_.width);
        const int h = std::min(picture->height, image_.height);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image_.at(x, y) = picture->at(x, y) & 0xFFFFFF;
    }
    PictureBox::set_picture(std::move(picture));
    auto_redraw_ = true;
    owner_.invalidate(bounds());
}

void Canvas::image_changed(const Rect& rect) {
    if (!Visible() || !auto_redraw_) return;
    const Rect r = intersect(rect, Rect{0, 0, width(), height()});
    if (!r.empty()) owner_.invalidate(Rect{Left() + r.x, Top() + r.y, r.w, r.h});
}

Colour Canvas::Point(int x, int y) const {
    if (!image_.inside(x, y)) return 0xFFFFFFFFu;  // outside: no colour of the picture
    return image_.at(x, y);
}

void Canvas::set_auto_redraw(bool on) {
    if (on == auto_redraw_) return;
    if (!on) direct_ = image_;
    auto_redraw_ = on;
    if (on) direct_ = PixelBuffer{};
    owner_.invalidate(bounds());
}

void Canvas::set_pixel_direct(int x, int y, Colour c) {
    if (auto_redraw_ || !direct_.inside(x, y)) return;
    direct_.at(x, y) = c & 0xFFFFFF;
    if (Visible()) owner_.invalidate(Rect{Left() + x, Top() + y, 1, 1});
}

void Canvas::paint(std::uint32_t* frame, int frame_w, int frame_h, const Rect& clip) const {
    const Rect r = intersect(intersect(bounds(), clip), Rect{0, 0, frame_w, frame_h});
    if (r.empty()) return;
    const PixelBuffer& src = displayed();
    for (int y = r.y; y < r.y + r.h; ++y) {
        const std::uint32_t* s = &src.pixels[static_cast<std::size_t>(y - Top()) * src.width + (r.x - Left())];
        std::uint32_t* d = frame + static_cast<std::size_t>(y) * frame_w + r.x;
        for (int x = 0; x < r.w; ++x) d[x] = s[x] | kOpaque;
    }
}
