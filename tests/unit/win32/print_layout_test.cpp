// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed picture's place and size on the page: natural size at 96
// pixels an inch, in the printer's dots, from the top-left of the printable area.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/print_layout.h"

namespace {

struct Case {
    int dpi_x, dpi_y;
    int width, height;  // dots expected for the 750 x 600 canvas
};

class CanvasOnPage : public ::testing::TestWithParam<Case> {};

TEST_P(CanvasOnPage, IsSevenPointEightBySixPointTwoFiveInchesAtTheTopLeft) {
    const Case& c = GetParam();
    const PrintArea a = natural_size_on_page(750, 600, c.dpi_x, c.dpi_y);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(a.y, 0);
    EXPECT_EQ(a.width, c.width);
    EXPECT_EQ(a.height, c.height);
    // Within half a dot of 750/96 and 600/96 inches.
    EXPECT_LE(std::abs(a.width * 96 - 750 * c.dpi_x), 48);
    EXPECT_LE(std::abs(a.height * 96 - 600 * c.dpi_y), 48);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, CanvasOnPage,
                         ::testing::Values(Case{300, 300, 2344, 1875}, Case{600, 600, 4688, 3750},
                                           Case{1200, 1200, 9375, 7500}, Case{600, 300, 4688, 1875},
                                           Case{96, 96, 750, 600}),
                         [](const auto& info) {
                             return std::to_string(info.param.dpi_x) + "x" + std::to_string(info.param.dpi_y);
                         });

TEST(PrintLayout, NoOverflowForLargePicturesAtHighResolution) {
    const PrintArea a = natural_size_on_page(4096, 4096, 2400, 2400);
    EXPECT_EQ(a.width, 102400);
    EXPECT_EQ(a.height, 102400);
}

}  // namespace
