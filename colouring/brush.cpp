// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/brush.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A disc of diameter 3 on the pixel grid is the full 3 x 3 block.
void stamp(PixelBuffer& buf, int cx, int cy, std::uint32_t c) {
    for (int y = cy - 1; y <= cy + 1; ++y) {
        if (y < 0 || y >= buf.height) continue;
        for (int x = cx - 1; x <= cx + 1; ++x)
            if (x >= 0 && x < buf.width) buf.at(x, y) = c;
    }
}

// Cuts the segment to the buffer grown by the pen's radius (Liang-Barsky),
// so a stroke dragged far outside costs nothing.
bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax, double ymax) {
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

}  // namespace

Rect draw_brush_line(PixelBuffer& buf, int ax, int ay, int bx, int by, Colour colour) {
    double x1 = ax, y1 = ay, x2 = bx, y2 = by;
    if (!clip(x1, y1, x2, y2, -2, -2, buf.width + 1, buf.height + 1)) return Rect{};
    int px = static_cast<int>(std::lround(x1)), py = static_cast<int>(std::lround(y1));
    const int qx = static_cast<int>(std::lround(x2)), qy = static_cast<int>(std::lround(y2));
    const std::uint32_t c = colour & 0xFFFFFF;
    const int dx = std::abs(qx - px), dy = -std::abs(qy - py);
    const int sx = px < qx ? 1 : -1, sy = py < qy ? 1 : -1;
    int err = dx + dy;
    const Rect touched{std::min(px, qx) - 1, std::min(py, qy) - 1, dx + 3, -dy + 3};
    for (;;) {
        stamp(buf, px, py, c);
        if (px == qx && py == qy) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            px += sx;
        }
        if (e2 <= dx) {
            err += dx;
            py += sy;
        }
    }
    return intersect(touched, Rect{0, 0, buf.width, buf.height});
}
