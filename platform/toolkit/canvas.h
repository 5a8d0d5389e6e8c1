// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas: a picture box with a drawing surface. It keeps three things
// apart: its picture (the last one put in), its image (the picture plus
// everything painted: what it shows) and, while AutoRedraw is off, a direct
// display that pixels go to without touching the image.
#include <cstdint>
#include <vector>

#include "platform/toolkit/picture_box.h"

// A plain 0x00BBGGRR pixel buffer. Fill and brush are pure functions on it.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    PixelBuffer() = default;
    PixelBuffer(int w, int h, Colour c) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, c) {}
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

class Canvas : public PictureBox {
public:
    Canvas(Window& owner, int id, std::string name, Rect bounds, Colour background, int focus_order);

    // Putting a picture in replaces the whole content, everything drawn included.
    void set_picture(Picture picture) override;

    PixelBuffer& image() { return image_; }
    const PixelBuffer& image() const { return image_; }
    // Tells the canvas that painting changed the image inside rect (canvas coordinates).
    void image_changed(const Rect& rect);

    // Point(x, y): the colour of one pixel of the image, 0x00BBGGRR.
    Colour Point(int x, int y) const;

    bool AutoRedraw() const { return auto_redraw_; }
    // Switching off starts the direct display from what is shown; switching
    // on shows the image again.
    void set_auto_redraw(bool on);
    // Direct drawing while AutoRedraw is off: the image is left untouched.
    void set_pixel_direct(int x, int y, Colour c);

    Colour ForeColor = 0;
    Colour FillColor = 0;

    const Cursor& MouseIcon() const { return cursor(); }
    void set_mouse_icon(Cursor cursor) { set_cursor(std::move(cursor)); }

    // What the canvas shows now (the image, or the direct display during a wipe).
    const PixelBuffer& displayed() const { return auto_redraw_ ? image_ : direct_; }

    void paint(std::uint32_t* frame, int frame_w, int frame_h, const Rect& clip) const override;

private:
    PixelBuffer image_;
    PixelBuffer direct_;
    bool auto_redraw_ = true;
    Rect direct_dirty_{};
};
