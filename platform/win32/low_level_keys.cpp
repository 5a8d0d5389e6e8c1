// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/low_level_keys.h"

#include "platform/key_record.h"

namespace {
constexpr std::uint32_t kAlt = 18, kLeftAlt = 164, kRightAlt = 165;

bool* alt_key_of(AltKeys& alt, std::uint32_t vk) {
    switch (vk) {
    case kLeftAlt: return &alt.left;
    case kRightAlt: return &alt.right;
    case kAlt: return &alt.generic;
    default: return nullptr;
    }
}
}  // namespace

bool low_level_key_swallowed(AltKeys& alt, std::int32_t code, std::uint32_t message, const LowLevelKey& key,
                             KeyFilter filter) {
    if (code != 0 || !filter) return false;
    const auto msg = static_cast<std::int32_t>(message);
    const bool down = msg == keymsg::kKeyDown || msg == keymsg::kSysKeyDown;
    const bool up = msg == keymsg::kKeyUp || msg == keymsg::kSysKeyUp;
    bool* own = alt_key_of(alt, key.vk_code);
    if (own && down) *own = true;

    KeyRecord record;
    record.vk_code = key.vk_code;
    record.scan_code = key.scan_code;
    record.flags = key.flags;
    record.time = key.time;
    record.extra = static_cast<std::uint32_t>(key.extra);
    if (own || alt.any()) record.flags |= keymsg::kAltDownFlag;
    const bool swallowed = filter(code, msg, &record) == -1;

    if (own && up) *own = false;
    return swallowed;
}
