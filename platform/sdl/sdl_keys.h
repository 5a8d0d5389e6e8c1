#pragma once
// SDL key events in the terms of the classic key filter: virtual-key codes
// (letters as their upper-case code, left/right Shift 160/161, Ctrl 162/163,
// Alt 164/165, Windows keys 91/92, Applications 93) and the shift mask.
#include <cstdint>

std::uint32_t virtual_key_code(int sdl_keycode);
// 1 Shift, 2 Ctrl, 4 Alt, from SDL's modifier state.
int shift_mask(int sdl_mod);
