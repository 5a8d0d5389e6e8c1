// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/thumbnail_table.h"

#include <cstdio>

namespace {

constexpr int kColumnLeft[5] = {54, 198, 341, 485, 629};
constexpr int kRowTop[5] = {48, 185, 322, 459, 596};

std::string two_digits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::array<ThumbnailRow, ctl::kThumbnailCount + 1> build() {
    std::array<ThumbnailRow, ctl::kThumbnailCount + 1> t{};
    for (int n = 1; n <= ctl::kThumbnailCount; ++n) {
        const int r = (n - 1) / 5, c = (n - 1) % 5;
        const std::string xx = two_digits(1 + 18 * r + 2 * c);
        t[n] = ThumbnailRow{kColumnLeft[c], kRowTop[r], "\\PICTURE\\GALERIJA1BELE_" + xx + ".JPG",
                            "\\PICTURE\\GALERIJA1ZUTE_" + xx + ".JPG", "\\PICTURE\\" + two_digits(n) + ".GIF"};
    }
    return t;
}

}  // namespace

const std::array<ThumbnailRow, ctl::kThumbnailCount + 1>& thumbnail_table() {
    static const auto table = build();
    return table;
}
