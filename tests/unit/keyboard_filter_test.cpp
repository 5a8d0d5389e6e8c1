// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter as a pure rule: which events are swallowed, which are passed
// on to the rest of the chain unchanged, and which are neither.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/keyboard_filter.h"

namespace {

constexpr std::int32_t kDown = 256, kUp = 257, kSysDown = 260, kSysUp = 261;
constexpr std::uint32_t kAltFlag = 0x20, kUpFlag = 0x80;
constexpr std::int32_t kNextAnswer = 7;  // what the rest of the chain answers in these tests

struct PassedOn {
    std::int32_t code, message;
    const KeyRecord* record;
};
std::vector<PassedOn> g_passed;
std::int32_t recording_chain(std::int32_t code, std::int32_t message, const KeyRecord* record) {
    g_passed.push_back({code, message, record});
    return kNextAnswer;
}

enum class Verdict { Swallowed, PassedOn, Dropped /* 0, not passed on */ };

struct FilterCase {
    const char* name;
    std::int32_t code;
    std::int32_t message;
    std::uint32_t vk;
    std::uint32_t flags;
    bool null_record;
    Verdict verdict;
    bool examined;  // the record was copied into KeyEventCopy
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class FilterCases : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterCases, DecidesAsTheRuleSays) {
    const FilterCase& c = GetParam();
    const KeyRecord record{c.vk, 0x1234, c.flags, 987654, 0xCAFE};
    const KeyRecord* arg = c.null_record ? nullptr : &record;
    const KeyRecord sentinel{1, 2, 3, 4, 5};

    g_passed.clear();
    KeyEventCopy = sentinel;
    const std::int32_t answer = filter_key_event(c.code, c.message, arg, &recording_chain);

    switch (c.verdict) {
    case Verdict::Swallowed:
        EXPECT_EQ(answer, -1);
        EXPECT_TRUE(g_passed.empty()) << "a swallowed event reaches nothing after the filter";
        break;
    case Verdict::PassedOn:
        EXPECT_EQ(answer, kNextAnswer) << "the chain's answer is the filter's answer";
        ASSERT_EQ(g_passed.size(), 1u);
        EXPECT_EQ(g_passed[0].code, c.code);
        EXPECT_EQ(g_passed[0].message, c.message);
        EXPECT_EQ(g_passed[0].record, arg) << "passed on with its own record, unchanged";
        break;
    case Verdict::Dropped:
        EXPECT_EQ(answer, 0);
        EXPECT_TRUE(g_passed.empty());
        break;
    }
    const KeyRecord& expected_copy = c.examined ? record : sentinel;
    EXPECT_EQ(std::memcmp(&KeyEventCopy, &expected_copy, sizeof(KeyRecord)), 0)
        << (c.examined ? "all 20 bytes are copied" : "an event that is not examined leaves the copy alone");

    // The installed filter is the same rule with nothing after it: a passed-on
    // event answers 0, which the back-end delivers.
    g_passed.clear();
    const std::int32_t installed = KeyboardFilterProc(c.code, c.message, arg);
    EXPECT_EQ(installed, c.verdict == Verdict::Swallowed ? -1 : 0);
    EXPECT_TRUE(g_passed.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Events, FilterCases,
    ::testing::Values(
        // Alt combinations: the Alt-down flag swallows every event made with Alt held.
        FilterCase{"alt_tab_alt_down", 0, kSysDown, 164, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_tab_tab_down", 0, kSysDown, 9, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_tab_tab_up", 0, kSysUp, 9, kAltFlag | kUpFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_key_up_with_alt_held", 0, kSysUp, 164, kAltFlag | kUpFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_f4", 0, kSysDown, 115, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_esc", 0, kSysDown, 27, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"right_alt_down", 0, kSysDown, 165, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"ctrl_alt_x", 0, kSysDown, 88, kAltFlag, false, Verdict::Swallowed, true},
        // The flag decides whatever the message kind and the other flag bits.
        FilterCase{"alt_flag_on_plain_keydown", 0, kDown, 80, kAltFlag, false, Verdict::Swallowed, true},
        FilterCase{"alt_flag_with_other_bits", 0, kDown, 80, kAltFlag | 0x11, false, Verdict::Swallowed, true},
        // Windows keys and the Applications key, down and up, alone or with others.
        FilterCase{"left_windows_down", 0, kDown, 91, 0, false, Verdict::Swallowed, true},
        FilterCase{"left_windows_up", 0, kUp, 91, kUpFlag, false, Verdict::Swallowed, true},
        FilterCase{"right_windows_down", 0, kDown, 92, 0, false, Verdict::Swallowed, true},
        FilterCase{"applications_down", 0, kDown, 93, 0, false, Verdict::Swallowed, true},
        FilterCase{"applications_up", 0, kUp, 93, kUpFlag, false, Verdict::Swallowed, true},
        // The generic Alt and Shift codes are swallowed; the left and right
        // codes of Shift pass.
        FilterCase{"generic_alt_code", 0, kDown, 18, 0, false, Verdict::Swallowed, true},
        FilterCase{"generic_shift_code", 0, kDown, 16, 0, false, Verdict::Swallowed, true},
        FilterCase{"left_shift_down", 0, kDown, 160, 0, false, Verdict::PassedOn, true},
        FilterCase{"right_shift_down", 0, kDown, 161, 0, false, Verdict::PassedOn, true},
        FilterCase{"left_shift_up", 0, kUp, 160, kUpFlag, false, Verdict::PassedOn, true},
        // Ctrl and the shortcut letters pass.
        FilterCase{"left_ctrl_down", 0, kDown, 162, 0, false, Verdict::PassedOn, true},
        FilterCase{"ctrl_p_p_down", 0, kDown, 80, 0, false, Verdict::PassedOn, true},
        FilterCase{"plain_p_down", 0, kDown, 80, 0, false, Verdict::PassedOn, true},
        FilterCase{"p_up", 0, kUp, 80, kUpFlag, false, Verdict::PassedOn, true},
        FilterCase{"f10_system_key_without_alt", 0, kSysDown, 121, 0, false, Verdict::PassedOn, true},
        FilterCase{"system_key_up_without_alt", 0, kSysUp, 121, kUpFlag, false, Verdict::PassedOn, true},
        // A hook code other than 0: passed on without being looked at.
        FilterCase{"code_1_alt_tab", 1, kSysDown, 9, kAltFlag, false, Verdict::PassedOn, false},
        FilterCase{"code_minus_1_windows", -1, kDown, 91, 0, false, Verdict::PassedOn, false},
        FilterCase{"code_3_null_record", 3, kDown, 80, 0, true, Verdict::PassedOn, false},
        // Other message kinds are not looked at either.
        FilterCase{"char_message_with_alt_flag", 0, 258, 88, kAltFlag, false, Verdict::PassedOn, false},
        FilterCase{"mouse_message_windows_code", 0, 512, 91, 0, false, Verdict::PassedOn, false},
        FilterCase{"message_0", 0, 0, 93, 0, false, Verdict::PassedOn, false},
        FilterCase{"other_message_null_record", 0, 258, 0, 0, true, Verdict::PassedOn, false},
        // A record that cannot be read: 0, and the event goes no further.
        FilterCase{"keydown_null_record", 0, kDown, 0, 0, true, Verdict::Dropped, false},
        FilterCase{"syskeyup_null_record", 0, kSysUp, 0, 0, true, Verdict::Dropped, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
