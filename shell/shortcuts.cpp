// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P prints, Ctrl+X asks whether to stop, Ctrl+R shows the information
// panel. The window and the 20 colouring-screen controls share this.
#include "platform/errors.h"
#include "shell/forma_main.h"

namespace {
constexpr int kKeyP = 80, kKeyX = 88, kKeyR = 82;
}  // namespace

void FormaMain::shortcut_key_down(int KeyCode, int Shift) {
    trap([&] {
        if (KeyCode == kKeyP && Shift == shiftmask::kCtrl) SaveAndPrint();
        if (KeyCode == kKeyX && Shift == shiftmask::kCtrl) AskExit();
        if (KeyCode == kKeyR && Shift == shiftmask::kCtrl) ShowInfoPanel();
    });
}

void FormaMain::Form_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::Slika_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::MusicOn_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::MuteWave_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::MoreImages_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaCrvena_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaZelena_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaZuta_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaSvPlava_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaOranz_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaLjubicasta_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaSiva_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaTamnozuta_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaBraon_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaPlava_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaCrna_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::PaletaPink_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::kapljica_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::olovka_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::Rubber_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
void FormaMain::Papir_KeyDown(int KeyCode, int Shift) { shortcut_key_down(KeyCode, Shift); }
