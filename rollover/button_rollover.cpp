// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons light up under the mouse. There is no leave event: the handler of
// whatever lies under the mouse restores the buttons it may have come from.
#include "colouring/palette_table.h"
#include "platform/errors.h"
#include "shell/forma_main.h"

namespace {
enum class Look { Normal, Lit };

// The image of a two-state button for the current state. For effects off and
// music off the numbering is reversed: 2 is the normal image.
std::string mute_wave_image(std::int16_t effects_on, Look look) {
    if (effects_on == 0) return look == Look::Normal ? "\\PICTURE\\SOUNDOFF2.JPG" : "\\PICTURE\\SOUNDOFF1.JPG";
    return look == Look::Normal ? "\\PICTURE\\ZVUCNIK1.JPG" : "\\PICTURE\\ZVUCNIK2.JPG";
}
std::string music_on_image(std::int16_t music_off, Look look) {
    if (music_off == 1) return look == Look::Normal ? "\\PICTURE\\MUSICOFF2.JPG" : "\\PICTURE\\MUSICOFF1.JPG";
    return look == Look::Normal ? "\\PICTURE\\MUZIKA1.JPG" : "\\PICTURE\\MUZIKA2.JPG";
}
}  // namespace

// The Slika move's reset (also used when the brush is not painting).
void FormaMain::restore_canvas_side_buttons() {
    set_image(MoreImages, "\\PICTURE\\MOREIMAGES1.JPG");
    set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
    set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
    set_image(MuteWave, mute_wave_image(SoundEffectsOn, Look::Normal));
    set_image(MusicOn, music_on_image(MusicOff, Look::Normal));
}

void FormaMain::Form_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(MoreImages, "\\PICTURE\\MOREIMAGES1.JPG");
        for (int nn = 1; nn <= ctl::kPaletteCount; ++nn)
            set_image(Paleta(nn), palette_image(ColourSelected[nn] == 1 ? 3 : 1, nn));
        set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
        set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
        set_image(Back, "\\PICTURE\\BACK1.JPG");
        if (GalleryOpen == 1) mouse_move_galerija1_bele();
        set_image(MuteWave, mute_wave_image(SoundEffectsOn, Look::Normal));
        set_image(MusicOn, music_on_image(MusicOff, Look::Normal));
    });
}

void FormaMain::palette_mouse_move(int nn) {
    trap([&] {
        // A chosen colour is not highlighted: its lit image is its chosen image.
        set_image(Paleta(nn), palette_image(ColourSelected[nn] == 1 ? 3 : 2, nn));
        if (nn > 1) set_image(Paleta(nn - 1), palette_image(ColourSelected[nn - 1] == 1 ? 3 : 1, nn - 1));
        if (nn < ctl::kPaletteCount)
            set_image(Paleta(nn + 1), palette_image(ColourSelected[nn + 1] == 1 ? 3 : 1, nn + 1));
    });
}

void FormaMain::PaletaCrvena_MouseMove(int, int, float, float) { palette_mouse_move(1); }
void FormaMain::PaletaZelena_MouseMove(int, int, float, float) { palette_mouse_move(2); }
void FormaMain::PaletaZuta_MouseMove(int, int, float, float) { palette_mouse_move(3); }
void FormaMain::PaletaSvPlava_MouseMove(int, int, float, float) { palette_mouse_move(4); }
void FormaMain::PaletaOranz_MouseMove(int, int, float, float) { palette_mouse_move(5); }
void FormaMain::PaletaLjubicasta_MouseMove(int, int, float, float) { palette_mouse_move(6); }
void FormaMain::PaletaSiva_MouseMove(int, int, float, float) { palette_mouse_move(7); }
void FormaMain::PaletaTamnozuta_MouseMove(int, int, float, float) { palette_mouse_move(8); }
void FormaMain::PaletaBraon_MouseMove(int, int, float, float) { palette_mouse_move(9); }
void FormaMain::PaletaPlava_MouseMove(int, int, float, float) { palette_mouse_move(10); }
void FormaMain::PaletaCrna_MouseMove(int, int, float, float) { palette_mouse_move(11); }
void FormaMain::PaletaPink_MouseMove(int, int, float, float) { palette_mouse_move(12); }

void FormaMain::MoreImages_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(MoreImages, "\\PICTURE\\MOREIMAGES2.JPG");
        set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
        set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
        set_image(MuteWave, mute_wave_image(SoundEffectsOn, Look::Normal));
    });
}

void FormaMain::MuteWave_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(MuteWave, mute_wave_image(SoundEffectsOn, Look::Lit));
        set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
        set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
    });
}

void FormaMain::MusicOn_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(MusicOn, music_on_image(MusicOff, Look::Lit));
        set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
        set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
        set_image(MuteWave, mute_wave_image(SoundEffectsOn, Look::Normal));
    });
}

void FormaMain::Rubber_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(Rubber, "\\PICTURE\\GUMICA2.JPG");
        set_image(Papir, "\\PICTURE\\PAPIR1.JPG");
    });
}

void FormaMain::Papir_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(Papir, "\\PICTURE\\PAPIR2.JPG");
        set_image(Rubber, "\\PICTURE\\GUMICA1.JPG");
    });
}

void FormaMain::Back_MouseMove(int, int, float, float) {
    trap([&] { set_image(Back, "\\PICTURE\\BACK2.JPG"); });
}

void FormaMain::Izlaz_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(Da, "\\PICTURE\\YES1.JPG");
        set_image(Ne, "\\PICTURE\\NO1.JPG");
    });
}

void FormaMain::Da_MouseMove(int, int, float, float) {
    trap([&] { set_image(Da, "\\PICTURE\\YES2.JPG"); });
}

void FormaMain::Ne_MouseMove(int, int, float, float) {
    trap([&] { set_image(Ne, "\\PICTURE\\NO2.JPG"); });
}

void FormaMain::Registered_MouseMove(int, int, float, float) {
    trap([&] {
        set_image(Zatvori, "\\PICTURE\\CLOSE1.JPG");
        set_image(Firma, "\\PICTURE\\CTRLRZEB1.JPG");
        set_image(visit_site, "\\PICTURE\\VISIT1.JPG");
    });
}

void FormaMain::Zatvori_MouseMove(int, int, float, float) {
    trap([&] { set_image(Zatvori, "\\PICTURE\\CLOSE2.JPG"); });
}

void FormaMain::Firma_MouseMove(int, int, float, float) {
    trap([&] { set_image(Firma, "\\PICTURE\\CTRLRZEB2.JPG"); });
}

void FormaMain::visit_site_MouseMove(int, int, float, float) {
    trap([&] { set_image(visit_site, "\\PICTURE\\VISIT2.JPG"); });
}
