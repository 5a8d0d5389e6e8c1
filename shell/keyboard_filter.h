// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The low-level key filter: every key event made while Alt is held, and every
// event of the Windows keys and the Applications key, is swallowed.
#include <cstdint>

#include "platform/key_record.h"

// The last key-event record the filter examined.
extern KeyRecord KeyEventCopy;

// What the next filter of the chain answers for an event passed on to it.
using KeyPassOn = std::int32_t (*)(std::int32_t code, std::int32_t message, const KeyRecord* record);

// The rule with the rest of the chain given: -1 when the event is swallowed,
// otherwise pass_on's answer for the same three arguments. A record that
// cannot be read answers 0 without passing the event on.
std::int32_t filter_key_event(std::int32_t code, std::int32_t message, const KeyRecord* record, KeyPassOn pass_on);

// The installed filter. Nothing is chained after it, so passing an event on
// answers 0, which the back-end takes as "deliver it".
std::int32_t KeyboardFilterProc(std::int32_t code, std::int32_t message, const KeyRecord* record);
