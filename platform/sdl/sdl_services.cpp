// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_services.h"

#include <SDL.h>

#include <chrono>

#include "platform/bitmap_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/sdl/sdl_host.h"

std::string SdlRuntime::program_folder() {
    char* base = SDL_GetBasePath();
    if (!base) throw PlatformError("the program folder is unknown");
    std::string folder = base;
    SDL_free(base);
    return folder;
}

std::int64_t SdlRuntime::file_length(const std::string& path) {
    const std::optional<FileStatus> st = regular_file_status(path);
    if (!st) throw PlatformError("cannot read " + path);
    return st->size;
}

double SdlRuntime::seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double SdlRuntime::random_unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void SdlRuntime::seed_random_from_clock() {
    rng_.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void SdlRuntime::set_current_directory(const std::string& path) {
    change_directory(path);
}

void SdlRuntime::save_bitmap(const PictureData& picture, const std::string& path) { write_bitmap_file(picture, path); }

void SdlRuntime::end_process(int status) { throw ProcessEnded{status}; }

void SdlShell::open_url(const std::string& url) { SDL_OpenURL(url.c_str()); }

void SdlShell::minimise_window() { host_.minimise(); }
