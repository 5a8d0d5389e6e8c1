// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Handler plus render time of one mouse move, in the real SDL back-end on a
// real X display of any size (run it under Xvfb: bench/run-mouse-move).
// Prints the median and 90th percentile over many moves across the canvas
// (the five button images reset), across the palette (buttons lit in turn),
// with the brush, and across the window background (18 images). Positions
// are frame pixels, sent where the screen shows them.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/real_program.h"

namespace {

// The median's target by screen: the frame's own size, a full-HD screen, a
// 4K screen; 0 where there is none.
struct Targets {
    double exact, full_hd, uhd;
};

void report(const char* screen, const char* what, std::vector<double>& ms, Targets t, int height) {
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2], p90 = ms[ms.size() * 9 / 10];
    std::printf("%-18s %-44s median %6.3f ms   p90 %6.3f ms", screen, what, median, p90);
    const double target = height <= 768 ? t.exact : height <= 1080 ? t.full_hd : t.uhd;
    if (target > 0) std::printf("   target <= %.1f ms  %s", target, median <= target ? "met" : "NOT MET");
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [linear|nearest]\n", argv[0]);
        return 2;
    }
    const bool nearest = argc > 2 && std::strcmp(argv[2], "nearest") == 0;
    if (!start_sdl_video()) return 1;
    {
        RealProgram program(argv[1]);
        FormaMain& form = program.form;
        SdlHost& host = program.real.host;
        host.set_scaling(nearest ? Scaling::Nearest : Scaling::Linear);
        // The display takes a moment to report the new size.
        for (int i = 0; i < 50; ++i) {
            host.yield_events();
            SDL_Delay(10);
        }
        const DisplayMapping& mapping = host.mapping();
        char screen[32];
        std::snprintf(screen, sizeof screen, "%dx%d%s", mapping.screen_width(), mapping.screen_height(),
                      mapping.unscaled() ? "" : nearest ? " nearest" : " linear");
        auto push_at = [&](Uint32 type, int fx, int fy) {
            const Point p = mapping.to_window(fx, fy);
            SDL_Event e{};
            e.type = type;
            if (type == SDL_MOUSEMOTION) {
                e.motion.windowID = SDL_GetWindowID(host.sdl_window());
                e.motion.x = p.x;
                e.motion.y = p.y;
            } else {
                e.button.windowID = SDL_GetWindowID(host.sdl_window());
                e.button.button = SDL_BUTTON_LEFT;
                e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
                e.button.x = p.x;
                e.button.y = p.y;
            }
            SDL_PushEvent(&e);
        };
        form.FillMode = -1;
        form.MusicOff = 1;
        form.SoundEffectsOn = 1;

        auto measure = [&](int x0, int y0, int x1, int y1) {
            std::vector<double> ms;
            for (int i = 0; i < 600; ++i) {
                push_at(SDL_MOUSEMOTION, (i & 1) ? x1 : x0, (i & 1) ? y1 : y0);
                const auto t0 = std::chrono::steady_clock::now();
                host.yield_events();
                ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            }
            return ms;
        };
        auto canvas = measure(300, 300, 302, 301);
        auto background = measure(10, 650, 12, 652);
        // Moves that change the screen: palette buttons lighting in turn, and
        // brush strokes (each move paints a segment that must be shown).
        auto palette = measure(50, 700, 130, 700);
        form.olovka_Click();
        push_at(SDL_MOUSEBUTTONDOWN, 100, 100);
        host.yield_events();
        auto brush = measure(100, 100, 700, 600);
        // A child's stroke: the mouse moves a few pixels between events.
        std::vector<double> stroke;
        for (int i = 0; i < 600; ++i) {
            push_at(SDL_MOUSEMOTION, 200 + (i % 100) * 4, 200 + (i / 100) * 40 + (i % 7));
            const auto t0 = std::chrono::steady_clock::now();
            host.yield_events();
            stroke.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
        const int h = mapping.screen_height();
        const Targets changes{0.1, 1.0, 2.0}, idle{2.0, 2.0, 2.0}, long_segments{2.0, 0, 0};
        report(screen, "mouse move over the canvas (5 images)", canvas, idle, h);
        report(screen, "mouse move across palette buttons (lit)", palette, changes, h);
        report(screen, "brush stroke: short segments (typical)", stroke, changes, h);
        report(screen, "brush stroke: full-canvas diagonal segments", brush, long_segments, h);
        report(screen, "mouse move over the background (18 images)", background, idle, h);
    }
    IMG_Quit();
    SDL_Quit();
    return 0;
}
