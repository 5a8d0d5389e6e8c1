// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail under the mouse shows its yellow image; the one lit before
// goes back to white.
#include "platform/errors.h"
#include "screens/thumbnail_table.h"
#include "shell/forma_main.h"

void FormaMain::thumbnail_mouse_move(int n) {
    trap([&] {
        if (GalleryOpen != 1) return;
        set_image(Galerija(n), thumbnail_table()[n].yellow);
        for (int k = 1; k <= ctl::kThumbnailCount; ++k)
            if (k != n && LitThumbnail == k) set_image(Galerija(k), thumbnail_table()[k].white);
        LitThumbnail = static_cast<std::int16_t>(n);
    });
}

void FormaMain::mouse_move_galerija1_bele() {
    trap([&] {
        for (int k = 1; k <= ctl::kThumbnailCount; ++k)
            if (LitThumbnail == k) set_image(Galerija(k), thumbnail_table()[k].white);
    });
}

void FormaMain::Galerija1_MouseMove(int, int, float, float) { thumbnail_mouse_move(1); }
void FormaMain::Galerija2_MouseMove(int, int, float, float) { thumbnail_mouse_move(2); }
void FormaMain::Galerija3_MouseMove(int, int, float, float) { thumbnail_mouse_move(3); }
void FormaMain::Galerija4_MouseMove(int, int, float, float) { thumbnail_mouse_move(4); }
void FormaMain::Galerija5_MouseMove(int, int, float, float) { thumbnail_mouse_move(5); }
void FormaMain::Galerija6_MouseMove(int, int, float, float) { thumbnail_mouse_move(6); }
void FormaMain::Galerija7_MouseMove(int, int, float, float) { thumbnail_mouse_move(7); }
void FormaMain::Galerija8_MouseMove(int, int, float, float) { thumbnail_mouse_move(8); }
void FormaMain::Galerija9_MouseMove(int, int, float, float) { thumbnail_mouse_move(9); }
void FormaMain::Galerija10_MouseMove(int, int, float, float) { thumbnail_mouse_move(10); }
void FormaMain::Galerija11_MouseMove(int, int, float, float) { thumbnail_mouse_move(11); }
void FormaMain::Galerija12_MouseMove(int, int, float, float) { thumbnail_mouse_move(12); }
void FormaMain::Galerija13_MouseMove(int, int, float, float) { thumbnail_mouse_move(13); }
void FormaMain::Galerija14_MouseMove(int, int, float, float) { thumbnail_mouse_move(14); }
void FormaMain::Galerija15_MouseMove(int, int, float, float) { thumbnail_mouse_move(15); }
void FormaMain::Galerija16_MouseMove(int, int, float, float) { thumbnail_mouse_move(16); }
void FormaMain::Galerija17_MouseMove(int, int, float, float) { thumbnail_mouse_move(17); }
void FormaMain::Galerija18_MouseMove(int, int, float, float) { thumbnail_mouse_move(18); }
void FormaMain::Galerija19_MouseMove(int, int, float, float) { thumbnail_mouse_move(19); }
void FormaMain::Galerija20_MouseMove(int, int, float, float) { thumbnail_mouse_move(20); }
void FormaMain::Galerija21_MouseMove(int, int, float, float) { thumbnail_mouse_move(21); }
void FormaMain::Galerija22_MouseMove(int, int, float, float) { thumbnail_mouse_move(22); }
void FormaMain::Galerija23_MouseMove(int, int, float, float) { thumbnail_mouse_move(23); }
void FormaMain::Galerija24_MouseMove(int, int, float, float) { thumbnail_mouse_move(24); }
void FormaMain::Galerija25_MouseMove(int, int, float, float) { thumbnail_mouse_move(25); }
