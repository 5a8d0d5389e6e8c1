// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter as a low-level keyboard hook of the system: it sees every
// key event of the desktop before any window does, so Alt+Tab, Alt+F4 and
// the Windows keys never reach the system. The system calls it on the
// thread that installed it, whenever that thread takes its messages (SDL's
// event loop does).
#include <windows.h>

#include "platform/sdl/sdl_services.h"
#include "platform/win32/low_level_keys.h"

namespace {
// The hook procedure gets no context of its own: one hook per process.
HHOOK installed_hook = nullptr;
KeyFilter hook_filter = nullptr;
AltKeys alt_keys;

LRESULT CALLBACK keyboard_hook(int code, WPARAM message, LPARAM record) {
    if (code == HC_ACTION) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(record);
        const LowLevelKey key{k->vkCode, k->scanCode, k->flags, k->time, static_cast<std::uint64_t>(k->dwExtraInfo)};
        if (low_level_key_swallowed(alt_keys, 0, static_cast<std::uint32_t>(message), key, hook_filter)) return 1;
    }
    return CallNextHookEx(nullptr, code, message, record);
}
}  // namespace

std::int32_t SdlKeyboardHook::install(KeyFilter filter) {
    if (installed_hook) UnhookWindowsHookEx(installed_hook);
    hook_filter = filter;
    alt_keys = {};
    installed_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &keyboard_hook, GetModuleHandleW(nullptr), 0);
    return installed_hook ? 1 : 0;
}

void SdlKeyboardHook::remove(std::int32_t) {
    // The exit removes it a second time: harmless.
    if (installed_hook) UnhookWindowsHookEx(installed_hook);
    installed_hook = nullptr;
    hook_filter = nullptr;
}
