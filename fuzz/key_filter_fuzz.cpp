// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter on arbitrary hook calls: any hook code, any message, any
// 20-byte record or none. The record lives in a heap block of exactly its
// size, so a read past it is caught. The filter must swallow an event exactly
// when the rule says so, hand every other event on unchanged, and keep a copy
// of exactly the records it examined.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "shell/keyboard_filter.h"

namespace {

[[noreturn]] void finding(const char* what) {
    std::fprintf(stderr, "FINDING: %s\n", what);
    std::abort();
}

struct PassedOn {
    int calls = 0;
    std::int32_t code = 0, message = 0;
    const KeyRecord* record = nullptr;
    std::int32_t answer = 0;
} passed;

std::int32_t next_in_chain(std::int32_t code, std::int32_t message, const KeyRecord* record) {
    ++passed.calls;
    passed.code = code;
    passed.message = message;
    passed.record = record;
    return passed.answer;
}

// The rule, written out on its own: which events are examined, and which of
// those are swallowed.
bool examined(std::int32_t code, std::int32_t message) {
    return code == 0 && (message == 256 || message == 260 || message == 257 || message == 261);
}
bool swallowed(const KeyRecord& r) {
    return (r.flags & 0x20) != 0 || r.vk_code == 93 || r.vk_code == 92 || r.vk_code == 91 || r.vk_code == 18 ||
           r.vk_code == 16;
}

std::int32_t pick_message(FuzzedDataProvider& in) {
    static constexpr std::int32_t kMessages[] = {256, 257, 260, 261, 258, 262, 512, 0, -256};
    return in.ConsumeBool() ? in.PickValueInArray(kMessages) : in.ConsumeIntegral<std::int32_t>();
}

std::uint32_t pick_vk(FuzzedDataProvider& in) {
    // The filtered codes and their neighbours, the left and right Shift and
    // Alt codes, letters, and anything else.
    static constexpr std::uint32_t kCodes[] = {16, 17, 18, 19, 90, 91, 92, 93, 94, 160, 161, 164, 165, 80, 88, 82, 9, 27, 115};
    return in.ConsumeBool() ? in.PickValueInArray(kCodes) : in.ConsumeIntegral<std::uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    while (in.remaining_bytes() > 0) {
        const std::int32_t code = in.ConsumeBool() ? 0 : in.ConsumeIntegral<std::int32_t>();
        const std::int32_t message = pick_message(in);
        const bool has_record = in.ConsumeIntegralInRange(0, 15) != 0;
        std::unique_ptr<KeyRecord> record;
        if (has_record) {
            record = std::make_unique<KeyRecord>();
            record->vk_code = pick_vk(in);
            record->scan_code = in.ConsumeIntegral<std::uint32_t>();
            record->flags = in.ConsumeBool() ? (in.ConsumeBool() ? 0x20u : 0x80u) : in.ConsumeIntegral<std::uint32_t>();
            record->time = in.ConsumeIntegral<std::uint32_t>();
            record->extra = in.ConsumeIntegral<std::uint32_t>();
        }
        const KeyRecord* r = record.get();

        // A copy made by an earlier call that must survive one that examines nothing.
        KeyRecord sentinel;
        std::memset(&sentinel, 0xA5, sizeof sentinel);
        std::memcpy(&KeyEventCopy, &sentinel, sizeof sentinel);
        passed = PassedOn{};
        passed.answer = in.ConsumeIntegral<std::int32_t>();

        const std::int32_t result = filter_key_event(code, message, r, &next_in_chain);
        const bool looked = examined(code, message) && r != nullptr;
        if (looked ? std::memcmp(&KeyEventCopy, r, sizeof(KeyRecord)) != 0
                   : std::memcmp(&KeyEventCopy, &sentinel, sizeof sentinel) != 0)
            finding(looked ? "the copy differs from the record examined" : "an event not examined changed the copy");
        if (!examined(code, message) || (r && !swallowed(*r))) {
            if (passed.calls != 1) finding("an event that is not swallowed was not handed on once");
            if (passed.code != code || passed.message != message || passed.record != r)
                finding("an event was handed on changed");
            if (result != passed.answer) finding("the answer of the rest of the chain was not returned");
        } else if (r == nullptr) {
            if (passed.calls != 0 || result != 0) finding("an unreadable record was not answered with 0");
        } else {
            if (passed.calls != 0) finding("a swallowed event was handed on");
            if (result != -1) finding("a swallowed event was not answered with -1");
        }

        // The installed filter: -1 for exactly the swallowed events, 0 otherwise.
        const std::int32_t installed = KeyboardFilterProc(code, message, r);
        const bool swallow = examined(code, message) && r != nullptr && swallowed(*r);
        if (installed != (swallow ? -1 : 0)) finding("the installed filter answers against the rule");
    }
    return 0;
}
