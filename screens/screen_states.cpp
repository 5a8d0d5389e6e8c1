// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two screens, switched on and off and frozen under a panel. Each
// operation walks its control set in the fixed order, one assignment a control.
#include <array>

#include "platform/errors.h"
#include "shell/forma_main.h"

namespace {
constexpr std::array<int, 20> kColouringScreen = {
    ctl::Slika,         ctl::MoreImages,   ctl::MuteWave,        ctl::MusicOn,    ctl::Rubber,
    ctl::Papir,         ctl::kapljica,     ctl::olovka,          ctl::PaletaCrvena, ctl::PaletaZelena,
    ctl::PaletaZuta,    ctl::PaletaSvPlava, ctl::PaletaOranz,    ctl::PaletaLjubicasta, ctl::PaletaSiva,
    ctl::PaletaTamnozuta, ctl::PaletaBraon, ctl::PaletaPlava,    ctl::PaletaCrna, ctl::PaletaPink};
}  // namespace

void FormaMain::ugasi_glavni_ekran() {
    trap([&] {
        for (int id : kColouringScreen) window_.box(id).hide();
    });
}

void FormaMain::upali_glavni_ekran() {
    trap([&] {
        for (int id : kColouringScreen) window_.box(id).show();
    });
}

void FormaMain::glavni_ekran_zamrznut() {
    trap([&] {
        // Papir leaves the view instead of going inert.
        for (int id : kColouringScreen) {
            if (id == ctl::Papir) window_.box(id).hide();
            else window_.box(id).set_enabled(false);
        }
    });
}

void FormaMain::glavni_ekran_odmrznut() {
    trap([&] {
        for (int id : kColouringScreen) {
            if (id == ctl::Papir) window_.box(id).show();
            else window_.box(id).set_enabled(true);
        }
    });
}

// Back is frozen with the thumbnails. Left clickable under a panel, it would
// switch to the colouring screen behind the panel's back, and closing the
// panel would then unfreeze the wrong screen: the next gallery would show
// thumbnails that ignore every click.
void FormaMain::galerijski_ekran_zamrznut() {
    trap([&] {
        Back.set_enabled(false);
        for (int n = 1; n <= ctl::kThumbnailCount; ++n) Galerija(n).set_enabled(false);
    });
}

void FormaMain::galerijski_ekran_odmrznut() {
    trap([&] {
        Back.set_enabled(true);
        for (int n = 1; n <= ctl::kThumbnailCount; ++n) Galerija(n).set_enabled(true);
    });
}

void FormaMain::galerijski_ekran_ugasi() {
    trap([&] {
        Back.hide();
        for (int n = 1; n <= ctl::kThumbnailCount; ++n) Galerija(n).hide();
        window_.set_background(LoadPicture("\\PICTURE\\GLAVNA.JPG"));
    });
}

void FormaMain::MoreImages_Click() {
    trap([&] {
        ugasi_glavni_ekran();
        Prikazi_More_Images();
        Galerijske_pozicije();
        Prikaz_Prve_Galerije();
    });
}

void FormaMain::Back_Click() {
    trap([&] {
        galerijski_ekran_ugasi();
        upali_glavni_ekran();
        GalleryOpen = 0;
    });
}
