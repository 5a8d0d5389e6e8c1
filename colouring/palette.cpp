// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve palette buttons: choose the colour, say its name, mark it chosen.
#include "colouring/palette_table.h"
#include "platform/errors.h"
#include "shell/forma_main.h"

void FormaMain::gasi_boje_3_faze() {
    for (int nn = 1; nn <= ctl::kPaletteCount; ++nn) ColourSelected[nn] = 0;
}

void FormaMain::palette_click(int k) {
    trap([&] {
        CurrentColor = kPalette[k].colour;
        PlayEffect(kPalette[k].spoken_name);
        gasi_boje_3_faze();
        ColourSelected[k] = 1;
        for (int nn = 1; nn <= ctl::kPaletteCount; ++nn)
            set_image(Paleta(nn), palette_image(ColourSelected[nn] == 1 ? 3 : 1, nn));
    });
}

void FormaMain::PaletaCrvena_Click() { palette_click(1); }
void FormaMain::PaletaZelena_Click() { palette_click(2); }
void FormaMain::PaletaZuta_Click() { palette_click(3); }
void FormaMain::PaletaSvPlava_Click() { palette_click(4); }
void FormaMain::PaletaOranz_Click() { palette_click(5); }
void FormaMain::PaletaLjubicasta_Click() { palette_click(6); }
void FormaMain::PaletaSiva_Click() { palette_click(7); }
void FormaMain::PaletaTamnozuta_Click() { palette_click(8); }
void FormaMain::PaletaBraon_Click() { palette_click(9); }
void FormaMain::PaletaPlava_Click() { palette_click(10); }
void FormaMain::PaletaCrna_Click() { palette_click(11); }
void FormaMain::PaletaPink_Click() { palette_click(12); }
