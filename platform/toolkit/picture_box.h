// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture box: the one kind of control the program drives. It shows one
// picture unscaled at its top-left corner, clipped to the box, over its
// background colour.
#include <string>

#include "platform/picture.h"

class Window;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool empty() const { return w <= 0 || h <= 0; }
};
Rect unite(const Rect& a, const Rect& b);
Rect intersect(const Rect& a, const Rect& b);

class PictureBox {
public:
    PictureBox(Window& owner, int id, std::string name, Rect bounds, Colour background, int focus_order);
    virtual ~PictureBox() = default;
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    int id() const { return id_; }
    const std::string& name() const { return name_; }
    Rect bounds() const { return bounds_; }
    int Left() const { return bounds_.x; }
    int Top() const { return bounds_.y; }
    int width() const { return bounds_.w; }
    int height() const { return bounds_.h; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    int focus_order() const { return focus_order_; }
    const Picture& picture() const { return picture_; }
    const Cursor& cursor() const { return cursor_; }
    Colour background() const { return background_; }

    void set_left(int left);
    void set_top(int top);
    void show() { set_visible(true); }
    void hide() { set_visible(false); }
    void set_visible(bool visible);
    void set_enabled(bool enabled) { enabled_ = enabled; }
    // Assigning replaces the previous picture; the box keeps its size.
    virtual void set_picture(Picture picture);
    void set_cursor(Cursor cursor);

    // Draws into a 0xAABBGGRR frame of frame_w x frame_h, clipped to clip.
    virtual void paint(std::uint32_t* frame, int frame_w, int frame_h, const Rect& clip) const;

protected:
    void invalidate() const;
    Window& owner_;

private:
    int id_;
    std::string name_;
    Rect bounds_;
    Colour background_;
    int focus_order_;
    bool visible_ = true;
    bool enabled_ = true;
    Picture picture_;
    Cursor cursor_;
};

// Copies the part of picture that falls in clip, placed with its top-left at
// (left, top) and cut to box, into frame.
void blit_picture(const PictureData& picture, int left, int top, const Rect& box, std::uint32_t* frame,
                  int frame_w, const Rect& clip);
