// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_mapping.h"

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// One axis of the mapping: the frame's f pixels shown as n screen pixels
// starting at screen pixel o.
struct Axis {
    int o, n, f;
    const std::vector<int>& samples;

    int clamp(int i) const { return std::clamp(i, 0, f - 1); }
    // The frame pixel under the centre of shown pixel i.
    int nearest(int i) const { return static_cast<int>(floor_div((2 * std::int64_t(i) + 1) * f, 2 * std::int64_t(n))); }
    int lowest_read(int i, Scaling s) const {
        const int p = samples[static_cast<std::size_t>(i)];
        return clamp(s == Scaling::Linear ? p >> DisplayMapping::kFractionBits
                                          : (p + DisplayMapping::kOne / 2) >> DisplayMapping::kFractionBits);
    }
    int highest_read(int i, Scaling s) const {
        const int p = samples[static_cast<std::size_t>(i)];
        return clamp(s == Scaling::Linear ? (p >> DisplayMapping::kFractionBits) + 1
                                          : (p + DisplayMapping::kOne / 2) >> DisplayMapping::kFractionBits);
    }
    // The shown pixels i with hi(i) >= a and lo(i) <= b - 1, as a start in
    // screen pixels and a length; lo and hi never decrease with i.
    template <class Lo, class Hi>
    std::pair<int, int> range(int a, int b, Lo lo, Hi hi) const {
        auto first_where = [&](auto pred) {
            int l = 0, r = n;
            while (l < r) {
                const int m = l + (r - l) / 2;
                if (pred(m)) r = m; else l = m + 1;
            }
            return l;
        };
        const int first = first_where([&](int i) { return hi(i) >= a; });
        const int end = first_where([&](int i) { return lo(i) > b - 1; });
        return {o + first, std::max(0, end - first)};
    }
};

std::vector<int> samples_of(int n, int f) {
    std::vector<int> s(static_cast<std::size_t>(std::max(0, n)));
    for (int i = 0; i < n; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<int>(
            floor_div(((2 * std::int64_t(i) + 1) * f - n) * DisplayMapping::kOne, 2 * std::int64_t(n)));
    return s;
}

}  // namespace

DisplayMapping::DisplayMapping(int screen_width, int screen_height, int frame_width, int frame_height)
    : screen_w_(std::max(0, screen_width)), screen_h_(std::max(0, screen_height)),
      frame_w_(frame_width), frame_h_(frame_height) {
    // The larger scale that fits both ways; the other side gets bars.
    int w = screen_w_, h = screen_h_;
    if (std::int64_t(screen_w_) * frame_h_ <= std::int64_t(screen_h_) * frame_w_)
        h = static_cast<int>(std::int64_t(screen_w_) * frame_h_ / frame_w_);
    else
        w = static_cast<int>(std::int64_t(screen_h_) * frame_w_ / frame_h_);
    shown_ = Rect{(screen_w_ - w) / 2, (screen_h_ - h) / 2, w, h};
    sample_x_ = samples_of(w, frame_w_);
    sample_y_ = samples_of(h, frame_h_);
}

std::optional<Point> DisplayMapping::to_frame(int sx, int sy) const {
    if (!shown_.contains(sx, sy)) return std::nullopt;
    const Axis ax{shown_.x, shown_.w, frame_w_, sample_x_}, ay{shown_.y, shown_.h, frame_h_, sample_y_};
    return Point{ax.nearest(sx - shown_.x), ay.nearest(sy - shown_.y)};
}

Point DisplayMapping::to_frame_clamped(int sx, int sy) const {
    if (shown_.empty()) return Point{};
    const Axis ax{shown_.x, shown_.w, frame_w_, sample_x_}, ay{shown_.y, shown_.h, frame_h_, sample_y_};
    return Point{ax.nearest(std::clamp(sx - shown_.x, 0, shown_.w - 1)),
                 ay.nearest(std::clamp(sy - shown_.y, 0, shown_.h - 1))};
}

Point DisplayMapping::to_window(int fx, int fy) const {
    return Point{shown_.x + static_cast<int>(floor_div((2 * std::int64_t(fx) + 1) * shown_.w, 2 * std::int64_t(frame_w_))),
                 shown_.y + static_cast<int>(floor_div((2 * std::int64_t(fy) + 1) * shown_.h, 2 * std::int64_t(frame_h_)))};
}

Rect DisplayMapping::window_inside(const Rect& frame_rect) const {
    const Rect r = intersect(frame_rect, Rect{0, 0, frame_w_, frame_h_});
    if (r.empty() || shown_.empty()) return Rect{};
    const Axis ax{shown_.x, shown_.w, frame_w_, sample_x_}, ay{shown_.y, shown_.h, frame_h_, sample_y_};
    auto nx = [&](int i) { return ax.nearest(i); };
    auto ny = [&](int i) { return ay.nearest(i); };
    const auto [x, w] = ax.range(r.x, r.x + r.w, nx, nx);
    const auto [y, h] = ay.range(r.y, r.y + r.h, ny, ny);
    return (w > 0 && h > 0) ? Rect{x, y, w, h} : Rect{};
}

Rect DisplayMapping::window_covering(const Rect& frame_rect, Scaling s) const {
    // Shown pixel for pixel, any scaling is a copy.
    if (unscaled()) s = Scaling::Nearest;
    const Rect r = intersect(frame_rect, Rect{0, 0, frame_w_, frame_h_});
    if (r.empty() || shown_.empty()) return Rect{};
    const Axis ax{shown_.x, shown_.w, frame_w_, sample_x_}, ay{shown_.y, shown_.h, frame_h_, sample_y_};
    const auto [x, w] = ax.range(r.x, r.x + r.w, [&](int i) { return ax.lowest_read(i, s); },
                                 [&](int i) { return ax.highest_read(i, s); });
    const auto [y, h] = ay.range(r.y, r.y + r.h, [&](int i) { return ay.lowest_read(i, s); },
                                 [&](int i) { return ay.highest_read(i, s); });
    return (w > 0 && h > 0) ? Rect{x, y, w, h} : Rect{};
}
