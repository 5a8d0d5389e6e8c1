// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve colours of the palette, left to right.
#include <array>
#include <string>

#include "platform/picture.h"
#include "screens/controls.h"

struct PaletteRow {
    Colour colour;
    const char* spoken_name;  // the sound that says the colour's name
};

// Indexed 1..12 (row 0 unused).
inline const std::array<PaletteRow, ctl::kPaletteCount + 1> kPalette = {{
    {0, ""},
    {rgb(255, 0, 0), "\\SOUND\\CRVENA.WAV"},        // 01 red
    {rgb(52, 204, 103), "\\SOUND\\ZELENA.WAV"},     // 02 green
    {rgb(255, 255, 0), "\\SOUND\\ZUTA.WAV"},        // 03 yellow
    {rgb(0, 204, 255), "\\SOUND\\SVPLAVA.WAV"},     // 04 light blue
    {rgb(255, 102, 0), "\\SOUND\\ORANZ.WAV"},       // 05 orange
    {rgb(204, 51, 255), "\\SOUND\\LJUBICASTA.WAV"}, // 06 violet
    {rgb(178, 178, 178), "\\SOUND\\SIVA.WAV"},      // 07 grey
    {rgb(255, 255, 255), "\\SOUND\\TAMNOZUTA.WAV"}, // 08 white, the paper's colour
    {rgb(204, 103, 51), "\\SOUND\\BRAON.WAV"},      // 09 brown
    {rgb(0, 0, 255), "\\SOUND\\PLAVA.WAV"},         // 10 blue
    {rgb(30, 30, 30), "\\SOUND\\CRNA.WAV"},         // 11 black: not outline black, so it stays fillable
    {rgb(255, 0, 255), "\\SOUND\\PINK.WAV"},        // 12 pink
}};

// "\PICTURE\BOJE<phase>_<nn>.JPG": phase 1 normal, 2 under the mouse, 3 chosen.
inline std::string palette_image(int phase, int nn) {
    return "\\PICTURE\\BOJE" + std::to_string(phase) + "_" + (nn < 10 ? "0" : "") + std::to_string(nn) + ".JPG";
}
