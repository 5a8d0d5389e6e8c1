// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The brush: a solid round pen 3 pixels wide, clipped to the buffer.
#include "platform/toolkit/canvas.h"

inline constexpr int kBrushWidth = 3;

// Draws the segment from (x1, y1) to (x2, y2), ends included; returns the
// bounding box of what it touched inside the buffer.
Rect draw_brush_line(PixelBuffer& buffer, int x1, int y1, int x2, int y2, Colour colour);
