// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decision of the system's low-level keyboard hook, apart from the
// system: one record of the hook in, "swallow it or not" out, through the
// same key filter as on every other system.
#include <cstdint>

#include "platform/services.h"

// The fields of the system's hook record (KBDLLHOOKSTRUCT), whose last field
// is pointer-sized on 64-bit Windows.
struct LowLevelKey {
    std::uint32_t vk_code = 0;
    std::uint32_t scan_code = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uint64_t extra = 0;
};

// Which Alt keys are down, as the hook has seen them. The record's Alt-down
// flag alone is not enough: Wine never sets it, and an Alt key's own events
// carry it inconsistently.
struct AltKeys {
    bool left = false;
    bool right = false;
    bool generic = false;
    bool any() const { return left || right || generic; }
};

// True when the event is to be swallowed. code and message are the hook's
// own arguments; an event the hook must not examine (code other than 0) is
// never swallowed. An Alt key's own press and release count as made with Alt
// held, so that neither reaches the system half-way.
bool low_level_key_swallowed(AltKeys& alt, std::int32_t code, std::uint32_t message, const LowLevelKey& key,
                             KeyFilter filter);
