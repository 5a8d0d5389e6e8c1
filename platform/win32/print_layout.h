// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the picture goes on a printer's page: at the top-left of the
// printable area, at its natural size of 96 pixels an inch, in the printer's
// own dots.
struct PrintArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// dots_per_inch_x and _y as the printer reports them (LOGPIXELSX, LOGPIXELSY);
// sizes rounded to the nearest dot.
PrintArea natural_size_on_page(int picture_width, int picture_height, int dots_per_inch_x, int dots_per_inch_y);
