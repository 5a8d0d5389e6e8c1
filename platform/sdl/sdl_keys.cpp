// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

namespace {
constexpr std::uint32_t kLeftAlt = 164, kRightAlt = 165, kF10 = 121;

std::uint32_t named_key_code(int k) {
    switch (k) {
    case SDLK_LSHIFT: return 160;
    case SDLK_RSHIFT: return 161;
    case SDLK_LCTRL: return 162;
    case SDLK_RCTRL: return 163;
    case SDLK_LALT: return kLeftAlt;
    case SDLK_RALT: return kRightAlt;
    case SDLK_MODE: return kRightAlt;  // AltGr on some layouts
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION:
    case SDLK_MENU: return 93;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
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
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_PERIOD: return 110;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: return 0;
    }
}
}  // namespace

std::uint32_t virtual_key_code(int k, int scancode) {
    if (k >= 'a' && k <= 'z') return static_cast<std::uint32_t>(k - 'a' + 'A');
    if (k >= '0' && k <= '9') return static_cast<std::uint32_t>(k);
    if (k >= SDLK_F1 && k <= SDLK_F12) return static_cast<std::uint32_t>(112 + (k - SDLK_F1));
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return static_cast<std::uint32_t>(97 + (k - SDLK_KP_1));
    if (k == SDLK_KP_0) return 96;
    if (const std::uint32_t named = named_key_code(k)) return named;
    // A letter key of a non-Latin layout keeps the code of its place on the
    // keyboard, so that Ctrl+P is found wherever the layout puts its letters.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return static_cast<std::uint32_t>('A' + (scancode - SDL_SCANCODE_A));
    return 0;
}

int shift_mask(int mod) {
    int m = 0;
    if (mod & KMOD_SHIFT) m |= 1;
    if (mod & KMOD_CTRL) m |= 2;
    if (mod & KMOD_ALT) m |= 4;
    return m;
}

FilterKeyEvent filter_key_event_of(bool down, int sdl_keycode, int sdl_scancode, int sdl_mod, std::uint32_t timestamp) {
    FilterKeyEvent out{};
    out.record.vk_code = virtual_key_code(sdl_keycode, sdl_scancode);
    out.record.scan_code = static_cast<std::uint32_t>(sdl_scancode);
    out.record.time = timestamp;
    // SDL drops an Alt key's own modifier bit before reporting its release,
    // so the key itself counts as held: its key-up is made with Alt held too.
    const bool alt_key = out.record.vk_code == kLeftAlt || out.record.vk_code == kRightAlt;
    const bool alt_held = alt_key || (sdl_mod & (KMOD_ALT | KMOD_MODE)) != 0;
    if (alt_held) out.record.flags |= keymsg::kAltDownFlag;
    if (!down) out.record.flags |= keymsg::kUpFlag;
    // F10 is a system key of its own on the classic platform, Alt or not.
    const bool system_key = alt_held || out.record.vk_code == kF10;
    out.message = system_key ? (down ? keymsg::kSysKeyDown : keymsg::kSysKeyUp)
                             : (down ? keymsg::kKeyDown : keymsg::kKeyUp);
    return out;
}
