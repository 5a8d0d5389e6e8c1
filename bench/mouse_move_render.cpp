// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Handler plus render time of one mouse move, in the real SDL back-end on a
// real X display (run it under Xvfb: bench/run-mouse-move). Prints the median
// and 90th percentile over many moves across the canvas (the five button
// images reset) and across the window background (18 images).
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/real_program.h"

namespace {

void report(const char* what, std::vector<double>& ms, double target) {
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2], p90 = ms[ms.size() * 9 / 10];
    std::printf("%-44s median %6.3f ms   p90 %6.3f ms   target < %.1f ms  %s\n", what, median, p90, target,
                median < target ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    if (!start_sdl_video()) return 1;
    {
        RealProgram program(argv[1]);
        FormaMain& form = program.form;
        SdlHost& host = program.real.host;
        form.FillMode = -1;
        form.MusicOff = 1;
        form.SoundEffectsOn = 1;

        auto measure = [&](int x0, int y0, int x1, int y1) {
            std::vector<double> ms;
            for (int i = 0; i < 600; ++i) {
                SDL_Event e{};
                e.type = SDL_MOUSEMOTION;
                e.motion.windowID = SDL_GetWindowID(host.sdl_window());
                e.motion.x = (i & 1) ? x1 : x0;
                e.motion.y = (i & 1) ? y1 : y0;
                SDL_PushEvent(&e);
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
        SDL_Event down{};
        down.type = SDL_MOUSEBUTTONDOWN;
        down.button.button = SDL_BUTTON_LEFT;
        down.button.state = SDL_PRESSED;
        down.button.x = 100;
        down.button.y = 100;
        down.button.windowID = SDL_GetWindowID(host.sdl_window());
        SDL_PushEvent(&down);
        host.yield_events();
        auto brush = measure(100, 100, 700, 600);
        // A child's stroke: the mouse moves a few pixels between events.
        std::vector<double> stroke;
        for (int i = 0; i < 600; ++i) {
            SDL_Event e{};
            e.type = SDL_MOUSEMOTION;
            e.motion.windowID = SDL_GetWindowID(host.sdl_window());
            e.motion.x = 200 + (i % 100) * 4;
            e.motion.y = 200 + (i / 100) * 40 + (i % 7);
            SDL_PushEvent(&e);
            const auto t0 = std::chrono::steady_clock::now();
            host.yield_events();
            stroke.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        }
        report("mouse move over the canvas (5 images)", canvas, 2.0);
        report("mouse move across palette buttons (lit)", palette, 2.0);
        report("brush stroke: short segments (typical)", stroke, 2.0);
        report("brush stroke: full-canvas diagonal segments", brush, 2.0);
        report("mouse move over the background (18 images)", background, 2.0);
    }
    IMG_Quit();
    SDL_Quit();
    return 0;
}
