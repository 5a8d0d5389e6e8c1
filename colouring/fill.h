// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fill tool's region rule on a plain pixel buffer: the 4-connected region
// of pixels of exactly the seed's colour becomes the new colour.
#include "platform/toolkit/canvas.h"

// Returns the bounding box of the pixels changed (empty when none changed:
// seed outside, or the region already has the colour). Never recursive; the
// span stack lives on the heap, so a full-canvas region is safe.
Rect flood_fill(PixelBuffer& buffer, int x, int y, Colour colour);
