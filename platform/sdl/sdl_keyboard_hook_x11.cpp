// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// On X the host applies the filter to the key events SDL reports, and the
// window grabs the keyboard while it has the focus.
#include "platform/sdl/sdl_services.h"

std::int32_t SdlKeyboardHook::install(KeyFilter filter) {
    filter_ = filter;
    return 1;
}

void SdlKeyboardHook::remove(std::int32_t) { filter_ = nullptr; }
