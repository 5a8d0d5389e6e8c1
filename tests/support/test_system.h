// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests ask of the system beyond the program's own file layer,
// on each system's own terms (test_system_posix.cpp, test_system_win32.cpp).
#include <string>

// The separator the system's own paths use ('/' or '\\').
extern const char kNativeSeparator;

// A new empty folder under the system's temporary folder; its path, with no
// separator at the end.
std::string make_temporary_folder(const std::string& prefix);

void set_environment(const std::string& name, const std::string& value);
void clear_environment(const std::string& name);

// True when file permissions do not stop this process (root on Linux).
bool running_as_root();

// Makes a file that exists unreadable to the program until it is made
// readable again (Linux: no permissions; Windows: held open by another
// handle that shares nothing).
void make_unreadable(const std::string& path);
void make_readable(const std::string& path);

// Puts a file's modification time back after it was rewritten, as cp -p or
// tar would.
void set_modification_time(const std::string& path, long long mtime_ns);

// A path for std::filesystem from a UTF-8 string: a narrow string would be
// read in the ANSI code page on Windows.
#include <filesystem>
inline std::filesystem::path utf8_path(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
