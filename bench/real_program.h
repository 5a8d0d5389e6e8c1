// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks that time the real back-end start from: SDL's video,
// and the program on the real platform in a given program folder, its
// window shown and the display taken, no start-up run.
#include <SDL.h>
#include <SDL_image.h>

#include <string>

#include "platform/embedded.h"
#include "platform/sdl/sdl_platform.h"
#include "screens/window_definition.h"
#include "shell/forma_main.h"

// Starts SDL's video and picture decoding; false when there is no display.
inline bool start_sdl_video() {
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    return true;
}

struct FolderRuntime : SdlRuntime {
    std::string folder;
    std::string program_folder() override { return folder; }
};

struct RealProgram {
    explicit RealProgram(const std::string& folder) : real(embedded_file(kWindowIcon)) {
        real.runtime.folder = folder;
        real.host.attach(&form.window(), &real.shell);
        form.AssetRoot = form.AppFolder = folder;
        real.host.show_window(true);
        real.host.take_over();
    }

    SdlPlatform<FolderRuntime> real;
    FormaMain form{real.platform};
};
