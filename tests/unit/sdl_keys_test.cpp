// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// SDL's key events as the key filter sees them: every event made while Alt
// is held (the Alt key's own release included) is swallowed, Shift passes,
// and the shortcut letters reach the window with the right shift mask.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_keys.h"
#include "shell/keyboard_filter.h"

namespace {

struct SdlKey {
    bool down;
    SDL_Keycode sym;
    SDL_Scancode scancode;
    Uint16 mod;  // as SDL reports it with the event
};

struct KeyCase {
    const char* name;
    std::vector<SdlKey> events;  // in the order SDL delivers them
    std::vector<bool> delivered;  // per event: does it reach the window
    std::uint32_t vk_of_last;
    std::int32_t message_of_last;
    int mask_of_last;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class SdlKeyCases : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SdlKeyCases, TranslateAndFilter) {
    const KeyCase& c = GetParam();
    ASSERT_EQ(c.events.size(), c.delivered.size());
    for (std::size_t i = 0; i < c.events.size(); ++i) {
        const SdlKey& k = c.events[i];
        const FilterKeyEvent fk = filter_key_event_of(k.down, k.sym, k.scancode, k.mod, 1000 + static_cast<Uint32>(i));
        SCOPED_TRACE("event " + std::to_string(i));
        EXPECT_EQ(fk.record.scan_code, static_cast<std::uint32_t>(k.scancode));
        EXPECT_EQ(fk.record.time, 1000 + i);
        EXPECT_EQ((fk.record.flags & keymsg::kUpFlag) != 0, !k.down);
        const bool delivered = KeyboardFilterProc(0, fk.message, &fk.record) != -1;
        EXPECT_EQ(delivered, c.delivered[i]);
        if (i + 1 == c.events.size()) {
            EXPECT_EQ(fk.record.vk_code, c.vk_of_last);
            EXPECT_EQ(fk.message, c.message_of_last);
            EXPECT_EQ(shift_mask(k.mod), c.mask_of_last);
        }
    }
}

constexpr Uint16 kLAlt = KMOD_LALT, kRAlt = KMOD_RALT, kLCtrl = KMOD_LCTRL, kLShift = KMOD_LSHIFT;

INSTANTIATE_TEST_SUITE_P(
    Keys, SdlKeyCases,
    ::testing::Values(
        // SDL sets the Alt bit before reporting the press and clears it before
        // reporting the release; both ends are swallowed all the same.
        KeyCase{"alt_tab",
                {{true, SDLK_LALT, SDL_SCANCODE_LALT, kLAlt},
                 {true, SDLK_TAB, SDL_SCANCODE_TAB, kLAlt},
                 {false, SDLK_TAB, SDL_SCANCODE_TAB, kLAlt},
                 {false, SDLK_LALT, SDL_SCANCODE_LALT, 0}},
                {false, false, false, false}, 164, 261, 0},
        KeyCase{"alt_f4",
                {{true, SDLK_LALT, SDL_SCANCODE_LALT, kLAlt},
                 {true, SDLK_F4, SDL_SCANCODE_F4, kLAlt},
                 {false, SDLK_F4, SDL_SCANCODE_F4, kLAlt},
                 {false, SDLK_LALT, SDL_SCANCODE_LALT, 0}},
                {false, false, false, false}, 164, 261, 0},
        KeyCase{"right_alt_esc",
                {{true, SDLK_RALT, SDL_SCANCODE_RALT, kRAlt},
                 {true, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, kRAlt},
                 {false, SDLK_RALT, SDL_SCANCODE_RALT, 0}},
                {false, false, false}, 165, 261, 0},
        KeyCase{"altgr_letter",
                {{true, SDLK_MODE, SDL_SCANCODE_RALT, KMOD_MODE},
                 {true, SDLK_e, SDL_SCANCODE_E, KMOD_MODE}},
                {false, false}, 'E', 260, 0},
        KeyCase{"ctrl_alt_x",
                {{true, SDLK_LCTRL, SDL_SCANCODE_LCTRL, kLCtrl},
                 {true, SDLK_LALT, SDL_SCANCODE_LALT, kLCtrl | kLAlt},
                 {true, SDLK_x, SDL_SCANCODE_X, kLCtrl | kLAlt}},
                {true, false, false}, 'X', 260, 6},
        KeyCase{"windows_keys_and_menu",
                {{true, SDLK_LGUI, SDL_SCANCODE_LGUI, KMOD_LGUI},
                 {false, SDLK_LGUI, SDL_SCANCODE_LGUI, 0},
                 {true, SDLK_RGUI, SDL_SCANCODE_RGUI, KMOD_RGUI},
                 {true, SDLK_APPLICATION, SDL_SCANCODE_APPLICATION, 0}},
                {false, false, false, false}, 93, 256, 0},
        KeyCase{"left_and_right_shift_pass",
                {{true, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, kLShift},
                 {false, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 0},
                 {true, SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_RSHIFT}},
                {true, true, true}, 161, 256, 1},
        KeyCase{"ctrl_p",
                {{true, SDLK_LCTRL, SDL_SCANCODE_LCTRL, kLCtrl}, {true, SDLK_p, SDL_SCANCODE_P, kLCtrl}},
                {true, true}, 80, 256, 2},
        KeyCase{"ctrl_shift_x",
                {{true, SDLK_LCTRL, SDL_SCANCODE_LCTRL, kLCtrl},
                 {true, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, kLCtrl | kLShift},
                 {true, SDLK_x, SDL_SCANCODE_X, kLCtrl | kLShift}},
                {true, true, true}, 88, 256, 3},
        KeyCase{"plain_r", {{true, SDLK_r, SDL_SCANCODE_R, 0}}, {true}, 82, 256, 0},
        // A letter of a non-Latin layout keeps the code of its place.
        KeyCase{"ctrl_cyrillic_letter_on_p",
                {{true, static_cast<SDL_Keycode>(0x0437), SDL_SCANCODE_P, kLCtrl}}, {true}, 80, 256, 2},
        // Keys beyond the letters must not alias a shortcut letter.
        KeyCase{"ctrl_keypad_enter", {{true, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, kLCtrl}}, {true}, 13, 256, 2},
        KeyCase{"ctrl_keypad_minus", {{true, SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, kLCtrl}}, {true}, 109, 256, 2},
        KeyCase{"f10_is_a_system_key", {{true, SDLK_F10, SDL_SCANCODE_F10, 0}}, {true}, 121, 260, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// No other key turns into a shortcut letter: neither the keys SDL names by
// their place on the keyboard (keypad, media keys, ...) nor other characters.
TEST(SdlKeys, OnlyTheLettersThemselvesGiveShortcutCodes) {
    auto shortcut = [](std::uint32_t vk) { return vk == 'P' || vk == 'X' || vk == 'R'; };
    for (int sc = SDL_SCANCODE_UNKNOWN; sc < SDL_NUM_SCANCODES; ++sc) {
        if (sc == SDL_SCANCODE_P || sc == SDL_SCANCODE_X || sc == SDL_SCANCODE_R) continue;
        const SDL_Keycode k = SDL_SCANCODE_TO_KEYCODE(sc);
        EXPECT_FALSE(shortcut(virtual_key_code(k, sc))) << "scancode " << sc;
    }
    for (SDL_Keycode k = 0; k < 0x3000; ++k) {
        if (k == 'p' || k == 'x' || k == 'r') continue;
        EXPECT_FALSE(shortcut(virtual_key_code(k, SDL_SCANCODE_UNKNOWN))) << "keycode " << k;
    }
}

}  // namespace
