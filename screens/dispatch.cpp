// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// From (control, event) to the named handler. Families are looked up as
// id - first in tables of handlers; events a control has no handler for are
// ignored.
#include "shell/forma_main.h"

namespace {

using Click = void (FormaMain::*)();
using Move = void (FormaMain::*)(int, int, float, float);
using Key = void (FormaMain::*)(int, int);

constexpr Click kPaletteClick[ctl::kPaletteCount] = {
    &FormaMain::PaletaCrvena_Click, &FormaMain::PaletaZelena_Click,    &FormaMain::PaletaZuta_Click,
    &FormaMain::PaletaSvPlava_Click, &FormaMain::PaletaOranz_Click,    &FormaMain::PaletaLjubicasta_Click,
    &FormaMain::PaletaSiva_Click,    &FormaMain::PaletaTamnozuta_Click, &FormaMain::PaletaBraon_Click,
    &FormaMain::PaletaPlava_Click,   &FormaMain::PaletaCrna_Click,     &FormaMain::PaletaPink_Click};
constexpr Move kPaletteMove[ctl::kPaletteCount] = {
    &FormaMain::PaletaCrvena_MouseMove, &FormaMain::PaletaZelena_MouseMove,    &FormaMain::PaletaZuta_MouseMove,
    &FormaMain::PaletaSvPlava_MouseMove, &FormaMain::PaletaOranz_MouseMove,    &FormaMain::PaletaLjubicasta_MouseMove,
    &FormaMain::PaletaSiva_MouseMove,    &FormaMain::PaletaTamnozuta_MouseMove, &FormaMain::PaletaBraon_MouseMove,
    &FormaMain::PaletaPlava_MouseMove,   &FormaMain::PaletaCrna_MouseMove,     &FormaMain::PaletaPink_MouseMove};
constexpr Key kPaletteKey[ctl::kPaletteCount] = {
    &FormaMain::PaletaCrvena_KeyDown, &FormaMain::PaletaZelena_KeyDown,    &FormaMain::PaletaZuta_KeyDown,
    &FormaMain::PaletaSvPlava_KeyDown, &FormaMain::PaletaOranz_KeyDown,    &FormaMain::PaletaLjubicasta_KeyDown,
    &FormaMain::PaletaSiva_KeyDown,    &FormaMain::PaletaTamnozuta_KeyDown, &FormaMain::PaletaBraon_KeyDown,
    &FormaMain::PaletaPlava_KeyDown,   &FormaMain::PaletaCrna_KeyDown,     &FormaMain::PaletaPink_KeyDown};
constexpr Click kThumbnailClick[ctl::kThumbnailCount] = {
    &FormaMain::Galerija1_Click,  &FormaMain::Galerija2_Click,  &FormaMain::Galerija3_Click,  &FormaMain::Galerija4_Click,
    &FormaMain::Galerija5_Click,  &FormaMain::Galerija6_Click,  &FormaMain::Galerija7_Click,  &FormaMain::Galerija8_Click,
    &FormaMain::Galerija9_Click,  &FormaMain::Galerija10_Click, &FormaMain::Galerija11_Click, &FormaMain::Galerija12_Click,
    &FormaMain::Galerija13_Click, &FormaMain::Galerija14_Click, &FormaMain::Galerija15_Click, &FormaMain::Galerija16_Click,
    &FormaMain::Galerija17_Click, &FormaMain::Galerija18_Click, &FormaMain::Galerija19_Click, &FormaMain::Galerija20_Click,
    &FormaMain::Galerija21_Click, &FormaMain::Galerija22_Click, &FormaMain::Galerija23_Click, &FormaMain::Galerija24_Click,
    &FormaMain::Galerija25_Click};
constexpr Move kThumbnailMove[ctl::kThumbnailCount] = {
    &FormaMain::Galerija1_MouseMove,  &FormaMain::Galerija2_MouseMove,  &FormaMain::Galerija3_MouseMove,
    &FormaMain::Galerija4_MouseMove,  &FormaMain::Galerija5_MouseMove,  &FormaMain::Galerija6_MouseMove,
    &FormaMain::Galerija7_MouseMove,  &FormaMain::Galerija8_MouseMove,  &FormaMain::Galerija9_MouseMove,
    &FormaMain::Galerija10_MouseMove, &FormaMain::Galerija11_MouseMove, &FormaMain::Galerija12_MouseMove,
    &FormaMain::Galerija13_MouseMove, &FormaMain::Galerija14_MouseMove, &FormaMain::Galerija15_MouseMove,
    &FormaMain::Galerija16_MouseMove, &FormaMain::Galerija17_MouseMove, &FormaMain::Galerija18_MouseMove,
    &FormaMain::Galerija19_MouseMove, &FormaMain::Galerija20_MouseMove, &FormaMain::Galerija21_MouseMove,
    &FormaMain::Galerija22_MouseMove, &FormaMain::Galerija23_MouseMove, &FormaMain::Galerija24_MouseMove,
    &FormaMain::Galerija25_MouseMove};

bool in_palette(int id) { return id >= ctl::PaletaCrvena && id <= ctl::PaletaPink; }
bool in_gallery(int id) { return id >= ctl::Galerija1 && id <= ctl::Galerija25; }

}  // namespace

void FormaMain::dispatch(int id, const ControlEvent& e) {
    switch (e.kind) {
    case EventKind::Click:
        if (in_palette(id)) return (this->*kPaletteClick[id - ctl::PaletaCrvena])();
        if (in_gallery(id)) return (this->*kThumbnailClick[id - ctl::Galerija1])();
        switch (id) {
        case ctl::MusicOn: return MusicOn_Click();
        case ctl::MuteWave: return MuteWave_Click();
        case ctl::MoreImages: return MoreImages_Click();
        case ctl::kapljica: return kapljica_Click();
        case ctl::olovka: return olovka_Click();
        case ctl::Rubber: return Rubber_Click();
        case ctl::Papir: return Papir_Click();
        case ctl::Back: return Back_Click();
        case ctl::Da: return Da_Click();
        case ctl::Ne: return Ne_Click();
        case ctl::visit_site: return visit_site_Click();
        case ctl::Firma: return Firma_Click();
        case ctl::Zatvori: return Zatvori_Click();
        default: return;
        }
    case EventKind::MouseDown:
        if (id == ctl::Slika) Slika_MouseDown(e.button, e.shift, e.x, e.y);
        return;
    case EventKind::MouseMove:
        if (in_palette(id)) return (this->*kPaletteMove[id - ctl::PaletaCrvena])(e.button, e.shift, e.x, e.y);
        if (in_gallery(id)) return (this->*kThumbnailMove[id - ctl::Galerija1])(e.button, e.shift, e.x, e.y);
        switch (id) {
        case kWindowId: return Form_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Slika: return Slika_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::MusicOn: return MusicOn_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::MuteWave: return MuteWave_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::MoreImages: return MoreImages_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Rubber: return Rubber_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Papir: return Papir_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Back: return Back_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Izlaz: return Izlaz_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Da: return Da_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Ne: return Ne_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Registered: return Registered_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::visit_site: return visit_site_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Firma: return Firma_MouseMove(e.button, e.shift, e.x, e.y);
        case ctl::Zatvori: return Zatvori_MouseMove(e.button, e.shift, e.x, e.y);
        default: return;
        }
    case EventKind::KeyDown:
        if (in_palette(id)) return (this->*kPaletteKey[id - ctl::PaletaCrvena])(e.key, e.shift);
        switch (id) {
        case kWindowId: return Form_KeyDown(e.key, e.shift);
        case ctl::Slika: return Slika_KeyDown(e.key, e.shift);
        case ctl::MusicOn: return MusicOn_KeyDown(e.key, e.shift);
        case ctl::MuteWave: return MuteWave_KeyDown(e.key, e.shift);
        case ctl::MoreImages: return MoreImages_KeyDown(e.key, e.shift);
        case ctl::kapljica: return kapljica_KeyDown(e.key, e.shift);
        case ctl::olovka: return olovka_KeyDown(e.key, e.shift);
        case ctl::Rubber: return Rubber_KeyDown(e.key, e.shift);
        case ctl::Papir: return Papir_KeyDown(e.key, e.shift);
        default: return;
        }
    case EventKind::Timer:
        if (id == ctl::tmrRepeat) tmrRepeat_Timer();
        return;
    }
}
