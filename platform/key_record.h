// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 20-byte key-event record the key filter receives: five 32-bit fields in
// the order of the classic low-level keyboard hook.
#include <cstdint>

struct KeyRecord {
    std::uint32_t vk_code = 0;
    std::uint32_t scan_code = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uint32_t extra = 0;
};
static_assert(sizeof(KeyRecord) == 20);

namespace keymsg {
inline constexpr std::int32_t kKeyDown = 256;
inline constexpr std::int32_t kKeyUp = 257;
inline constexpr std::int32_t kSysKeyDown = 260;
inline constexpr std::int32_t kSysKeyUp = 261;
inline constexpr std::uint32_t kAltDownFlag = 0x20;
inline constexpr std::uint32_t kUpFlag = 0x80;  // the event is a key-up
}  // namespace keymsg
