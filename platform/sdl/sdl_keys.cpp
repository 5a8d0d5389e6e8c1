#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

std::uint32_t virtual_key_code(int k) {
    if (k >= 'a' && k <= 'z') return static_cast<std::uint32_t>(k - 'a' + 'A');
    if (k >= '0' && k <= '9') return static_cast<std::uint32_t>(k);
    if (k >= SDLK_F1 && k <= SDLK_F12) return static_cast<std::uint32_t>(112 + (k - SDLK_F1));
    switch (k) {
    case SDLK_LSHIFT: return 160;
    case SDLK_RSHIFT: return 161;
    case SDLK_LCTRL: return 162;
    case SDLK_RCTRL: return 163;
    case SDLK_LALT: return 164;
    case SDLK_RALT: return 165;
    case SDLK_MODE: return 165;  // AltGr on some layouts
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION:
    case SDLK_MENU: return 93;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: return 13;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    default: return static_cast<std::uint32_t>(k & 0xFF);
    }
}

int shift_mask(int mod) {
    int m = 0;
    if (mod & KMOD_SHIFT) m |= 1;
    if (mod & KMOD_CTRL) m |= 2;
    if (mod & KMOD_ALT) m |= 4;
    return m;
}
