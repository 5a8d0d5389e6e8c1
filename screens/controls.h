// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ids of the window's controls. Families are contiguous so that a
// handler finds its number as id - first.

namespace ctl {
enum : int {
    Slika = 0,
    MusicOn,
    MuteWave,
    MoreImages,
    PaletaCrvena,  // palette 01 .. 12, left to right
    PaletaZelena,
    PaletaZuta,
    PaletaSvPlava,
    PaletaOranz,
    PaletaLjubicasta,
    PaletaSiva,
    PaletaTamnozuta,
    PaletaBraon,
    PaletaPlava,
    PaletaCrna,
    PaletaPink,
    kapljica,
    olovka,
    Rubber,
    Papir,
    Back,
    Galerija1,  // thumbnails 1 .. 25
    Galerija25 = Galerija1 + 24,
    Izlaz,
    Da,
    Ne,
    Registered,
    visit_site,
    Firma,
    Zatvori,
    PrintPict,
    BoxCount,          // 54 picture boxes
    lblPlay = BoxCount,
    tmrRepeat,
    ControlCount       // 56 controls
};
inline constexpr int kPaletteCount = 12;
inline constexpr int kThumbnailCount = 25;
constexpr int palette(int nn) { return PaletaCrvena + nn - 1; }  // nn 1..12
constexpr int thumbnail(int n) { return Galerija1 + n - 1; }     // n 1..25
}  // namespace ctl
static_assert(ctl::BoxCount == 54 && ctl::ControlCount == 56);
