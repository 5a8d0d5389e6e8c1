// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row a thumbnail: its place in the 5 x 5 grid, its two images, its drawing.
#include <array>
#include <string>

#include "screens/controls.h"

struct ThumbnailRow {
    int left;
    int top;
    std::string white;    // normal look
    std::string yellow;   // under the mouse
    std::string drawing;  // the line drawing it opens
};

// Indexed 1..25 (row 0 unused).
const std::array<ThumbnailRow, ctl::kThumbnailCount + 1>& thumbnail_table();
