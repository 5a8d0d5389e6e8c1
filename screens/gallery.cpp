// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery screen: 25 thumbnails over the gallery background.
#include "platform/errors.h"
#include "screens/thumbnail_table.h"
#include "shell/forma_main.h"

void FormaMain::Prikazi_More_Images() {
    trap([&] {
        Back.show();
        window_.set_background(LoadPicture("\\PICTURE\\GALERIJA.JPG"));
    });
}

void FormaMain::Galerijske_pozicije() {
    trap([&] {
        for (int n = 1; n <= ctl::kThumbnailCount; ++n) {
            Galerija(n).set_left(thumbnail_table()[n].left);
            Galerija(n).set_top(thumbnail_table()[n].top);
        }
    });
}

void FormaMain::Prikaz_Prve_Galerije() {
    trap([&] {
        GalleryOpen = 1;
        for (int n = 1; n <= ctl::kThumbnailCount; ++n) {
            set_image(Galerija(n), thumbnail_table()[n].white);
            Galerija(n).show();
        }
    });
}

void FormaMain::thumbnail_click(int n) {
    trap([&] {
        if (GalleryOpen == 1) {
            Slika.set_picture(LoadPicture(thumbnail_table()[n].drawing));
            CurrentPicture = static_cast<std::int16_t>(n);
            GalleryOpen = 0;
        }
        galerijski_ekran_ugasi();
        upali_glavni_ekran();
    });
}

void FormaMain::Galerija1_Click() { thumbnail_click(1); }
void FormaMain::Galerija2_Click() { thumbnail_click(2); }
void FormaMain::Galerija3_Click() { thumbnail_click(3); }
void FormaMain::Galerija4_Click() { thumbnail_click(4); }
void FormaMain::Galerija5_Click() { thumbnail_click(5); }
void FormaMain::Galerija6_Click() { thumbnail_click(6); }
void FormaMain::Galerija7_Click() { thumbnail_click(7); }
void FormaMain::Galerija8_Click() { thumbnail_click(8); }
void FormaMain::Galerija9_Click() { thumbnail_click(9); }
void FormaMain::Galerija10_Click() { thumbnail_click(10); }
void FormaMain::Galerija11_Click() { thumbnail_click(11); }
void FormaMain::Galerija12_Click() { thumbnail_click(12); }
void FormaMain::Galerija13_Click() { thumbnail_click(13); }
void FormaMain::Galerija14_Click() { thumbnail_click(14); }
void FormaMain::Galerija15_Click() { thumbnail_click(15); }
void FormaMain::Galerija16_Click() { thumbnail_click(16); }
void FormaMain::Galerija17_Click() { thumbnail_click(17); }
void FormaMain::Galerija18_Click() { thumbnail_click(18); }
void FormaMain::Galerija19_Click() { thumbnail_click(19); }
void FormaMain::Galerija20_Click() { thumbnail_click(20); }
void FormaMain::Galerija21_Click() { thumbnail_click(21); }
void FormaMain::Galerija22_Click() { thumbnail_click(22); }
void FormaMain::Galerija23_Click() { thumbnail_click(23); }
void FormaMain::Galerija24_Click() { thumbnail_click(24); }
void FormaMain::Galerija25_Click() { thumbnail_click(25); }
