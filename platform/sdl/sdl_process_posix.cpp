// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the companion on a POSIX system: posix_spawn, no shell, and the
// ended child collected so that none lingers as a zombie.
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/sdl/sdl_services.h"

extern char** environ;

void SdlShell::start_program(const std::string& path) {
    if (!file_is_executable(path)) throw PlatformError("cannot start " + path);
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
