// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the companion on Windows: CreateProcessW by full path, no shell,
// never waited for, its handles closed at once.
#include <windows.h>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/sdl/sdl_services.h"
#include "platform/win32/wide.h"

void SdlShell::start_program(const std::string& path) {
    if (!file_is_executable(path)) throw PlatformError("cannot start " + path);
    const std::wstring program = widen(path);
    // The command line is the program's own quoted path and nothing else.
    std::wstring command_line = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        throw PlatformError("cannot start " + path + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

// Windows keeps nothing of an ended child once its handles are closed.
void SdlShell::reap_children() {}
