// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Rainbow Drop: the program. Builds the real back-end and runs the window.
#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/asset_path.h"
#include "platform/command_line.h"
#include "platform/embedded.h"
#include "platform/errors.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_platform.h"
#include "screens/window_definition.h"
#include "shell/forma_main.h"

namespace {
// With RAINBOWDROP_STARTUP_STAMP set, the wall-clock times (seconds since the
// epoch) at which the load handler begins and ends go to standard error, so
// that start-up can be timed from outside (bench/report). When it ends, the
// colouring screen's first frame is on the display.
void startup_stamp(const char* what) {
    static const bool wanted = std::getenv("RAINBOWDROP_STARTUP_STAMP") != nullptr;
    if (!wanted) return;
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "rainbowdrop: %s %.6f\n", what, std::chrono::duration<double>(since_epoch).count());
}
}  // namespace

int main(int argc, char** argv) {
    // Before SDL is touched: --help, --version and a wrong option end here
    // without a window and without taking the keyboard.
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineVerdict verdict = read_command_line(args, RAINBOWDROP_VERSION);
    if (!verdict.start) {
        std::fputs(verdict.out.c_str(), stdout);
        std::fputs(verdict.err.c_str(), stderr);
        return std::fflush(stdout) == 0 ? verdict.status : 1;
    }
    // Keep the full-screen window up when the focus goes (e.g. to the browser).
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_GRAB_KEYBOARD, "1");
    // A close request of the window manager must not turn into a quit event.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // SDL would otherwise minimise a grabbed full-screen window on Alt+Tab.
    SDL_SetHint(SDL_HINT_ALLOW_ALT_TAB_WHILE_GRABBED, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "rainbowdrop: cannot start the display: %s\n", SDL_GetError());
        return 1;
    }
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    open_sdl_audio();  // without an output the program runs silently
    int status = 0;
    try {
        SdlPlatform<> real(embedded_file(kWindowIcon));
        FormaMain form(real.platform);
        real.host.attach(&form.window(), &real.shell);
        try {
            startup_stamp("load begins");
            form.Form_Load();
            startup_stamp("load ends");
            real.music.preload(map_asset_path(form.AppFolder + "\\MUSIC\\001.MID"));
            real.host.run();
        } catch (const ProcessEnded& e) {
            status = e.status;
        }
    } catch (const ProcessEnded& e) {
        status = e.status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rainbowdrop: %s\n", e.what());
        status = 1;
    }
    close_sdl_audio();
    IMG_Quit();
    SDL_Quit();
    return status;
}
