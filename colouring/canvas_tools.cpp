// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's mouse handlers and the two tool buttons.
#include <cmath>

#include "colouring/brush.h"
#include "colouring/fill.h"
#include "platform/errors.h"
#include "shell/forma_main.h"

namespace {
// Colours 0..9 (black and the nine darkest reds) count as outline: a fill
// never starts on them, so the drawing's lines stay.
constexpr Colour kOutlineMax = 9;
// The pointers' active pixel: the bucket's pouring lip, the brush's tip.
constexpr int kToolHotX = 3;
constexpr int kToolHotY = 28;
}  // namespace

void FormaMain::Slika_MouseDown(int Button, int /*Shift*/, float X, float Y) {
    trap([&] {
        LastX = static_cast<std::int32_t>(std::lround(X));
        LastY = static_cast<std::int32_t>(std::lround(Y));
        if (FillMode == 0) return;
        if (Button == mouse::kLeft) {
            Slika.FillColor = CurrentColor;
            const Colour seed = Slika.Point(LastX, LastY);
            if (seed <= kOutlineMax) return;
            Slika.image_changed(flood_fill(Slika.image(), LastX, LastY, CurrentColor));
        }
        PlayEffect("\\SOUND\\FILL.WAV");
    });
}

void FormaMain::Slika_MouseMove(int Button, int /*Shift*/, float X, float Y) {
    trap([&] {
        if (Button == mouse::kLeft && FillMode == 0) {
            const auto x = static_cast<std::int32_t>(std::lround(X));
            const auto y = static_cast<std::int32_t>(std::lround(Y));
            Slika.ForeColor = CurrentColor;
            Slika.image_changed(draw_brush_line(Slika.image(), LastX, LastY, x, y, Slika.ForeColor));
            LastX = x;
            LastY = y;
            return;
        }
        restore_canvas_side_buttons();
    });
}

void FormaMain::kapljica_Click() {
    trap([&] {
        FillMode = -1;
        set_image(olovka, "\\PICTURE\\OLOVKA2.JPG");
        set_image(kapljica, "\\PICTURE\\KAPLJICA1.JPG");
        Slika.set_mouse_icon(LoadCursor("\\PICTURE\\KANTICA8.ICO", kToolHotX, kToolHotY));
    });
}

void FormaMain::olovka_Click() {
    trap([&] {
        FillMode = 0;
        set_image(olovka, "\\PICTURE\\OLOVKA1.JPG");
        set_image(kapljica, "\\PICTURE\\KAPLJICA2.JPG");
        Slika.set_mouse_icon(LoadCursor("\\PICTURE\\CETKA.ICO", kToolHotX, kToolHotY));
    });
}
