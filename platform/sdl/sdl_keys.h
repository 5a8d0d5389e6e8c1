// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SDL key events in the terms of the classic key filter: virtual-key codes
// (letters as their upper-case code, left/right Shift 160/161, Ctrl 162/163,
// Alt 164/165, Windows keys 91/92, Applications 93), the message kind and
// flags of the filter's record, and the shift mask of the key-down handlers.
#include <cstdint>

#include "platform/key_record.h"

// 0 for a key that has no code of its own.
std::uint32_t virtual_key_code(int sdl_keycode, int sdl_scancode);
// 1 Shift, 2 Ctrl, 4 Alt, from SDL's modifier state.
int shift_mask(int sdl_mod);

struct FilterKeyEvent {
    std::int32_t message;  // 256 / 257, or 260 / 261 while Alt is held
    KeyRecord record;
};
// sdl_mod is the modifier state SDL reports with the event.
FilterKeyEvent filter_key_event_of(bool down, int sdl_keycode, int sdl_scancode, int sdl_mod, std::uint32_t timestamp);
