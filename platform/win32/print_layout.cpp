// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/print_layout.h"

namespace {
constexpr long long kScreenPixelsPerInch = 96;

int to_dots(int pixels, int dots_per_inch) {
    return static_cast<int>((static_cast<long long>(pixels) * dots_per_inch + kScreenPixelsPerInch / 2) /
                            kScreenPixelsPerInch);
}
}  // namespace

PrintArea natural_size_on_page(int picture_width, int picture_height, int dots_per_inch_x, int dots_per_inch_y) {
    return PrintArea{0, 0, to_dots(picture_width, dots_per_inch_x), to_dots(picture_height, dots_per_inch_y)};
}
