// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_scaler.h"

#include <algorithm>

namespace {

constexpr int kBits = DisplayMapping::kFractionBits;
constexpr std::uint32_t kOne = DisplayMapping::kOne;

// Blends two 0x00BBGGRR pixels, two channels per multiply; weights that sum
// to kOne keep a flat colour exactly.
inline std::uint32_t blend(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    const std::uint32_t rb = (((a & 0xFF00FFu) * (kOne - w) + (b & 0xFF00FFu) * w) >> kBits) & 0xFF00FFu;
    const std::uint32_t g = (((a & 0x00FF00u) * (kOne - w) + (b & 0x00FF00u) * w) >> kBits) & 0x00FF00u;
    return rb | g;
}

struct Convert {
    PixelLayout l;
    std::uint32_t operator()(std::uint32_t c) const {
        return ((c & 0xFFu) << l.red_shift) | (((c >> 8) & 0xFFu) << l.green_shift) |
               (((c >> 16) & 0xFFu) << l.blue_shift);
    }
};

std::uint32_t* row_of(const ScreenBuffer& out, int y) {
    return reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(out.pixels) +
                                            static_cast<std::ptrdiff_t>(y) * out.pitch_bytes);
}

void fill(const ScreenBuffer& out, const Rect& r) {
    for (int y = r.y; y < r.y + r.h; ++y) std::fill_n(row_of(out, y) + r.x, r.w, 0u);
}

}  // namespace

FrameScaler::FrameScaler(const DisplayMapping& mapping)
    : shown_(mapping.shown()), frame_w_(mapping.frame_width()), unscaled_(mapping.unscaled()) {
    auto taps = [](const std::vector<int>& samples, int f) {
        std::vector<Tap> t;
        t.reserve(samples.size());
        for (int p : samples) {
            const int i = p >> kBits;
            t.push_back(Tap{std::clamp(i, 0, f - 1), std::clamp(i + 1, 0, f - 1),
                            static_cast<std::uint32_t>(p & (DisplayMapping::kOne - 1)),
                            std::clamp((p + DisplayMapping::kOne / 2) >> kBits, 0, f - 1)});
        }
        return t;
    };
    columns_ = taps(mapping.sample_x(), mapping.frame_width());
    rows_ = taps(mapping.sample_y(), mapping.frame_height());
}

void FrameScaler::paint(Scaling scaling, const std::uint32_t* frame, const Rect& area, const ScreenBuffer& out) const {
    const Rect r = intersect(area, shown_);
    if (r.empty()) return;
    const Convert convert{out.layout};
    const int x0 = r.x - shown_.x, x1 = x0 + r.w;
    // Shown pixel for pixel: a straight copy, whatever the scaling.
    if (unscaled_) {
        for (int y = r.y; y < r.y + r.h; ++y) {
            const std::uint32_t* src = frame + static_cast<std::size_t>(y - shown_.y) * frame_w_ + x0;
            std::uint32_t* dst = row_of(out, y) + r.x;
            for (int x = 0; x < r.w; ++x) dst[x] = convert(src[x]);
        }
        return;
    }
    for (int y = r.y; y < r.y + r.h; ++y) {
        const Tap& ty = rows_[static_cast<std::size_t>(y - shown_.y)];
        std::uint32_t* dst = row_of(out, y) + shown_.x;
        if (scaling == Scaling::Nearest) {
            const std::uint32_t* src = frame + static_cast<std::size_t>(ty.nearest) * frame_w_;
            for (int x = x0; x < x1; ++x) dst[x] = convert(src[columns_[static_cast<std::size_t>(x)].nearest]);
            continue;
        }
        const std::uint32_t* a = frame + static_cast<std::size_t>(ty.first) * frame_w_;
        const std::uint32_t* b = frame + static_cast<std::size_t>(ty.second) * frame_w_;
        for (int x = x0; x < x1; ++x) {
            const Tap& tx = columns_[static_cast<std::size_t>(x)];
            const std::uint32_t top = blend(a[tx.first], a[tx.second], tx.weight);
            const std::uint32_t bottom = blend(b[tx.first], b[tx.second], tx.weight);
            dst[x] = convert(blend(top, bottom, ty.weight));
        }
    }
}

void paint_bars(const DisplayMapping& m, const ScreenBuffer& out) {
    const Rect s = m.shown();
    const int W = m.screen_width(), H = m.screen_height();
    fill(out, Rect{0, 0, W, s.y});
    fill(out, Rect{0, s.y + s.h, W, H - s.y - s.h});
    fill(out, Rect{0, s.y, s.x, s.h});
    fill(out, Rect{s.x + s.w, s.y, W - s.x - s.w, s.h});
}
