// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_services.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/bitmap_file.h"
#include "platform/errors.h"
#include "platform/sdl/sdl_host.h"

extern char** environ;

std::string SdlRuntime::program_folder() {
    char* base = SDL_GetBasePath();
    if (!base) throw PlatformError("the program folder is unknown");
    std::string folder = base;
    SDL_free(base);
    return folder;
}

std::int64_t SdlRuntime::file_length(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) throw PlatformError("cannot read " + path);
    return st.st_size;
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
    if (::chdir(path.c_str()) != 0) throw PlatformError("cannot enter " + path);
}

void SdlRuntime::save_bitmap(const PictureData& picture, const std::string& path) { write_bitmap_file(picture, path); }

void SdlRuntime::end_process(int status) { throw ProcessEnded{status}; }

void SdlShell::open_url(const std::string& url) { SDL_OpenURL(url.c_str()); }

void SdlShell::minimise_window() { host_.minimise(); }

void SdlShell::start_program(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), X_OK) != 0)
        throw PlatformError("cannot start " + path);
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const int rc = ::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ);
    if (rc != 0) throw PlatformError("cannot start " + path + ": " + std::strerror(rc));
    children_.push_back(pid);
}

void SdlShell::reap_children() {
    children_.erase(std::remove_if(children_.begin(), children_.end(),
                                   [](int pid) {
                                       int status = 0;
                                       const pid_t r = ::waitpid(pid, &status, WNOHANG);
                                       return r == pid || (r < 0 && errno == ECHILD);
                                   }),
                    children_.end());
}
