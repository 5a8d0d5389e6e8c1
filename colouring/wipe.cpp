// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The eraser and the blank paper, both after an animated wipe.
#include "colouring/wipe.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "platform/errors.h"
#include "platform/toolkit/canvas.h"
#include "shell/forma_main.h"

namespace {

constexpr int kCanvasWidth = 750;
constexpr int kCanvasHeight = 600;
constexpr int kFullPassPixels = kCanvasWidth * kCanvasHeight;

// A pass is two nested sweeps: an outer one over rows or columns and an inner
// one along each of them.
struct PassOrder {
    bool by_rows;
    int outer_first, outer_step, outer_count;
    int inner_first, inner_step, inner_count;
};

constexpr std::array<PassOrder, 5> kPassOrders{{
    {true, 0, 1, kCanvasHeight, 0, 1, kCanvasWidth},                                        // A: rows down
    {false, 0, 1, kCanvasWidth, 0, 1, kCanvasHeight},                                       // B: columns right
    {false, kCanvasWidth - 1, -1, kCanvasWidth, 0, 1, kCanvasHeight},                       // C: columns left
    {true, kCanvasHeight - 1, -1, kCanvasHeight, kCanvasWidth - 1, -1, kCanvasWidth},       // D: rows up
    {true, 0, 2, kCanvasHeight / 2, 0, 1, kCanvasWidth},                                    // E: every second row
}};

const PassOrder& order_of(WipePass pass) { return kPassOrders[static_cast<std::size_t>(pass)]; }

// Effects 1..8 in order.
const std::array<WipeEffect, 8> kEffects{{
    {WipePass::A, std::nullopt},
    {WipePass::B, std::nullopt},
    {WipePass::C, std::nullopt},
    {WipePass::D, std::nullopt},
    {WipePass::E, WipePass::B},
    {WipePass::E, WipePass::A},
    {WipePass::E, WipePass::C},
    {WipePass::E, WipePass::D},
}};

}  // namespace

int wipe_pass_steps(WipePass pass) {
    const PassOrder& o = order_of(pass);
    return o.outer_count * o.inner_count;
}

WipePoint wipe_pass_pixel(WipePass pass, int step) {
    const PassOrder& o = order_of(pass);
    const int outer = o.outer_first + (step / o.inner_count) * o.outer_step;
    const int inner = o.inner_first + (step % o.inner_count) * o.inner_step;
    return o.by_rows ? WipePoint{inner, outer} : WipePoint{outer, inner};
}

const WipeEffect& wipe_effect(int effect) { return kEffects.at(static_cast<std::size_t>(effect - 1)); }

int draw_wipe_effect(IRuntime& runtime) {
    int r = 0;
    while (r == 0) r = std::min(8, static_cast<int>(9.0 * runtime.random_unit()));
    return r;
}

int run_wipe_pass(Canvas& canvas, WipePass pass, IRuntime& runtime, IHost& host) {
    constexpr double kPixelsPerSecond = kFullPassPixels / kWipeFullPassSeconds;
    constexpr int kPixelsPerFrame = kFullPassPixels / kWipeFramesPerFullPass;
    const int steps = wipe_pass_steps(pass);
    const double start = runtime.seconds();
    int painted = 0;
    int frames = 0;
    while (painted < steps) {
        // On time this is one frame's share. Where presenting is slow the
        // clock says more is due, and the frame catches up, so the pass keeps
        // its length on any machine and only shows fewer frames.
        const int due = static_cast<int>((runtime.seconds() - start) * kPixelsPerSecond);
        const int until = std::min(steps, std::max(painted, due) + kPixelsPerFrame);
        for (; painted < until; ++painted) {
            const WipePoint p = wipe_pass_pixel(pass, painted);
            canvas.set_pixel_direct(p.x, p.y, kWhite);
        }
        host.present_now();
        ++frames;
        host.sleep_until(start + painted / kPixelsPerSecond);
    }
    return frames;
}

void FormaMain::brisanje_slika() {
    if (!wipe_generator_seeded) {
        platform_.runtime.seed_random_from_clock();
        wipe_generator_seeded = true;
    }
    const WipeEffect& effect = wipe_effect(draw_wipe_effect(platform_.runtime));
    PlayEffect("\\SOUND\\WIPE.WAV");
    {
        Slika.set_auto_redraw(false);
        // Whatever stops the sweep, the canvas goes back to showing its image.
        struct NormalModeAgain {
            Canvas& canvas;
            ~NormalModeAgain() { canvas.set_auto_redraw(true); }
        } normal_mode_again{Slika};
        run_wipe_pass(Slika, effect.first, platform_.runtime, platform_.host);
        if (effect.second) run_wipe_pass(Slika, *effect.second, platform_.runtime, platform_.host);
    }
    Slika.set_picture(LoadPicture("\\PICTURE\\00.GIF"));
}

void FormaMain::Papir_Click() {
    // An unreadable blank sheet must not end a child's session: the canvas
    // simply shows its image again.
    trap([&] { brisanje_slika(); });
}

void FormaMain::Rubber_Click() {
    trap([&] {
        brisanje_slika();
        if (CurrentPicture >= 1 && CurrentPicture <= 25) {
            char name[32];
            std::snprintf(name, sizeof name, "\\PICTURE\\%02d.GIF", static_cast<int>(CurrentPicture));
            Slika.set_picture(LoadPicture(name));
        }
    });
}
