// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/keyboard_filter.h"

#include <cstring>

KeyRecord KeyEventCopy{};

namespace {
constexpr std::uint32_t kApps = 93, kRightWin = 92, kLeftWin = 91, kAlt = 18, kShift = 16;

std::int32_t end_of_chain(std::int32_t, std::int32_t, const KeyRecord*) { return 0; }

bool handled_message(std::int32_t message) {
    return message == keymsg::kKeyDown || message == keymsg::kSysKeyDown || message == keymsg::kKeyUp ||
           message == keymsg::kSysKeyUp;
}
}  // namespace

std::int32_t filter_key_event(std::int32_t code, std::int32_t message, const KeyRecord* record, KeyPassOn pass_on) {
    if (code != 0 || !handled_message(message)) return pass_on(code, message, record);
    // Undecided and unable to decide: neither swallowed nor handed on.
    if (record == nullptr) return 0;
    std::memcpy(&KeyEventCopy, record, sizeof KeyEventCopy);
    const bool alt_down = (KeyEventCopy.flags & keymsg::kAltDownFlag) != 0;
    const std::uint32_t vk = KeyEventCopy.vk_code;
    if (alt_down || vk == kApps || vk == kRightWin || vk == kLeftWin || vk == kAlt || vk == kShift) return -1;
    return pass_on(code, message, record);
}

std::int32_t KeyboardFilterProc(std::int32_t code, std::int32_t message, const KeyRecord* record) {
    return filter_key_event(code, message, record, &end_of_chain);
}
