#pragma once
// The low-level key filter: every key event made while Alt is held, and every
// event of the Windows keys and the Applications key, is swallowed.
#include <cstdint>

#include "platform/key_record.h"

// The last key-event record the filter examined.
extern KeyRecord KeyEventCopy;

// Returns -1 when the event is swallowed, otherwise what passing it on gives
// (0: the back-end delivers it).
std::int32_t KeyboardFilterProc(std::int32_t code, std::int32_t message, const KeyRecord* record);
