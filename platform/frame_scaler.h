// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints part of the screen from the frame through a DisplayMapping. Every
// screen pixel is computed from the same global sample positions, whatever
// part is asked for, so a part painted alone is exactly what a full rescale
// would give there: neighbouring updates never show a seam.
#include <cstdint>
#include <vector>

#include "platform/display_mapping.h"

// A 32-bit destination: where its red, green and blue bytes sit.
struct PixelLayout {
    int red_shift = 16, green_shift = 8, blue_shift = 0;
};

struct ScreenBuffer {
    std::uint32_t* pixels;  // the pixel at (0, 0) of the screen
    int pitch_bytes;
    PixelLayout layout;
};

class FrameScaler {
public:
    explicit FrameScaler(const DisplayMapping& mapping);

    // Paints the screen pixels of `area` (clipped to the shown part) from the
    // frame (0x00BBGGRR pixels, frame_width() wide).
    void paint(Scaling scaling, const std::uint32_t* frame, const Rect& area, const ScreenBuffer& out) const;

private:
    struct Tap {
        int first, second;   // frame pixels blended
        std::uint32_t weight;  // of the second, in 1/256
        int nearest;
    };
    std::vector<Tap> columns_, rows_;
    Rect shown_;
    int frame_w_;
    bool unscaled_;
};

// Paints the bars around the shown part black.
void paint_bars(const DisplayMapping& mapping, const ScreenBuffer& out);
