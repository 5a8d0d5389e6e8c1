// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>

#include "platform/win32/wide.h"
#include "tests/support/test_system.h"

namespace fs = std::filesystem;

const char kNativeSeparator = '\\';

namespace {
// The handles that keep files unreadable, by path.
std::map<std::string, HANDLE>& holders() {
    static std::map<std::string, HANDLE> held;
    return held;
}
}  // namespace

std::string make_temporary_folder(const std::string& prefix) {
    const std::wstring base = fs::temp_directory_path().wstring();
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring path = base + widen(prefix) + L"-" + std::to_wstring(entropy() % 1000000000u);
        if (CreateDirectoryW(path.c_str(), nullptr)) return narrow(path);
    }
    throw std::runtime_error("cannot make a temporary folder");
}

void set_environment(const std::string& name, const std::string& value) {
    _wputenv_s(widen(name).c_str(), widen(value).c_str());
}

void clear_environment(const std::string& name) { _wputenv_s(widen(name).c_str(), L""); }

bool running_as_root() { return false; }

void make_unreadable(const std::string& path) {
    make_readable(path);
    const HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
    if (h != INVALID_HANDLE_VALUE) holders()[path] = h;
}

void make_readable(const std::string& path) {
    const auto it = holders().find(path);
    if (it == holders().end()) return;
    CloseHandle(it->second);
    holders().erase(it);
}

void set_modification_time(const std::string& path, long long mtime_ns) {
    const HANDLE h = CreateFileW(widen(path).c_str(), FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    const long long ticks = mtime_ns / 100 + 116444736000000000LL;
    FILETIME t{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    SetFileTime(h, nullptr, nullptr, &t);
    CloseHandle(h);
}
