// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "tests/support/test_system.h"

namespace fs = std::filesystem;

const char kNativeSeparator = '/';

std::string make_temporary_folder(const std::string& prefix) {
    std::string tmpl = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    return tmpl;
}

void set_environment(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

void clear_environment(const std::string& name) { ::unsetenv(name.c_str()); }

bool running_as_root() { return ::geteuid() == 0; }

void make_unreadable(const std::string& path) { fs::permissions(path, fs::perms::none); }

void make_readable(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
}

void set_modification_time(const std::string& path, long long mtime_ns) {
    const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(mtime_ns / 1000000000LL), mtime_ns % 1000000000LL}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}
