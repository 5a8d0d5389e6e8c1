// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the frame lies on a screen of another size: scaled to fit, centred,
// black bars on the other sides. The one description serves both ways, so a
// pointer lands on the control that is drawn under it and a changed part of
// the frame is sent as exactly the screen pixels that show it.
#include <optional>
#include <vector>

#include "platform/toolkit/picture_box.h"

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// How a screen pixel takes its colour from the frame: the one frame pixel
// under its centre, or a blend of the four frame pixels around it.
enum class Scaling { Nearest, Linear };

class DisplayMapping {
public:
    // Sample positions are fixed point with this many fraction bits.
    static constexpr int kFractionBits = 8;
    static constexpr int kOne = 1 << kFractionBits;

    DisplayMapping(int screen_width, int screen_height, int frame_width, int frame_height);

    int screen_width() const { return screen_w_; }
    int screen_height() const { return screen_h_; }
    int frame_width() const { return frame_w_; }
    int frame_height() const { return frame_h_; }
    // The screen rectangle that shows the frame; the rest is bars.
    Rect shown() const { return shown_; }
    // The frame is the whole screen, pixel for pixel.
    bool identity() const { return unscaled() && shown_.x == 0 && shown_.y == 0; }
    // The frame is shown pixel for pixel, maybe with bars around it.
    bool unscaled() const { return shown_.w == frame_w_ && shown_.h == frame_h_; }

    // The frame pixel under a screen pixel's centre; nothing on the bars.
    std::optional<Point> to_frame(int sx, int sy) const;
    // The same, a point on the bars moved to the nearest edge of the frame.
    Point to_frame_clamped(int sx, int sy) const;
    // The screen pixel that shows the centre of a frame pixel.
    Point to_window(int fx, int fy) const;
    // The screen pixels whose centres lie over the frame rectangle: where a
    // control is seen (and can be pointed at) on the screen.
    Rect window_inside(const Rect& frame_rect) const;
    // Every screen pixel whose colour reads a pixel of the frame rectangle
    // under the given scaling: what must be repainted when it changes.
    Rect window_covering(const Rect& frame_rect, Scaling scaling) const;

    // For column i of shown() (row i for sample_y): where its centre falls
    // in the frame, less half a pixel, in 1/kOne pixels. A linear sample
    // blends frame pixels p >> kFractionBits and the next one by the
    // fraction; a nearest sample takes (p + kOne / 2) >> kFractionBits.
    const std::vector<int>& sample_x() const { return sample_x_; }
    const std::vector<int>& sample_y() const { return sample_y_; }

private:
    int screen_w_, screen_h_, frame_w_, frame_h_;
    Rect shown_;
    std::vector<int> sample_x_, sample_y_;
};
