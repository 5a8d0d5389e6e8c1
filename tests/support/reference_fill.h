// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain breadth-first flood fill: slow, obviously right, the yardstick.
#include <queue>
#include <utility>

#include "platform/toolkit/canvas.h"

inline void reference_fill(PixelBuffer& b, int sx, int sy, Colour colour) {
    if (!b.inside(sx, sy)) return;
    const std::uint32_t target = b.at(sx, sy), paint = colour & 0xFFFFFF;
    if (target == paint) return;
    std::queue<std::pair<int, int>> q;
    q.push({sx, sy});
    b.at(sx, sy) = paint;
    while (!q.empty()) {
        auto [x, y] = q.front();
        q.pop();
        const int nx[4] = {x + 1, x - 1, x, x}, ny[4] = {y, y, y + 1, y - 1};
        for (int i = 0; i < 4; ++i) {
            if (b.inside(nx[i], ny[i]) && b.at(nx[i], ny[i]) == target) {
                b.at(nx[i], ny[i]) = paint;
                q.push({nx[i], ny[i]});
            }
        }
    }
}
