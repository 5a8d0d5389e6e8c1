// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows keyboard hook's decisions, fed with the records the system
// gives its low-level hook: the same keys are swallowed as on Linux, whether
// or not the record carries the Alt-down flag (Wine never sets it).
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/low_level_keys.h"
#include "shell/keyboard_filter.h"

namespace {

constexpr std::uint32_t WM_KEYDOWN_ = 256, WM_KEYUP_ = 257, WM_SYSKEYDOWN_ = 260, WM_SYSKEYUP_ = 261;
constexpr std::uint32_t kAltFlag = 0x20, kUpFlag = 0x80;
constexpr std::uint32_t VK_TAB_ = 9, VK_F4_ = 115, VK_ESCAPE_ = 27, VK_LMENU_ = 164, VK_RMENU_ = 165;
constexpr std::uint32_t VK_LWIN_ = 91, VK_RWIN_ = 92, VK_APPS_ = 93, VK_LSHIFT_ = 160, VK_LCONTROL_ = 162;

struct Event {
    std::uint32_t message;
    std::uint32_t vk;
    std::uint32_t flags;
};

// What the system would send for a key press and release; with_alt_flag as
// real Windows does while Alt is held, without it as Wine does.
std::vector<Event> press(std::uint32_t vk, bool alt_held, bool with_alt_flag) {
    const std::uint32_t flag = alt_held && with_alt_flag ? kAltFlag : 0;
    return {{alt_held ? WM_SYSKEYDOWN_ : WM_KEYDOWN_, vk, flag},
            {alt_held ? WM_SYSKEYUP_ : WM_KEYUP_, vk, flag | kUpFlag}};
}

std::vector<bool> decide(AltKeys& alt, const std::vector<Event>& events) {
    std::vector<bool> out;
    for (const Event& e : events)
        out.push_back(low_level_key_swallowed(alt, 0, e.message, LowLevelKey{e.vk, 0, e.flags, 0, 0}, &KeyboardFilterProc));
    return out;
}

struct Combination {
    const char* name;
    std::uint32_t vk;
};

class AltCombination : public ::testing::TestWithParam<std::tuple<Combination, bool>> {};

TEST_P(AltCombination, EveryEventWhileAltIsHeldIsSwallowedAndTheAltKeyToo) {
    const auto& [combo, with_flag] = GetParam();
    AltKeys alt;
    for (std::uint32_t alt_vk : {VK_LMENU_, VK_RMENU_}) {
        // Alt down (real Windows flags the Alt key's own press), the key, Alt up.
        std::vector<Event> events{{WM_SYSKEYDOWN_, alt_vk, with_flag ? kAltFlag : 0}};
        for (const Event& e : press(combo.vk, true, with_flag)) events.push_back(e);
        events.push_back({WM_KEYUP_, alt_vk, kUpFlag});
        EXPECT_EQ(decide(alt, events), std::vector<bool>(events.size(), true)) << combo.name;
        EXPECT_FALSE(alt.any()) << "Alt stays down after its release";
    }
    // Alt released: the same key passes again.
    EXPECT_EQ(decide(alt, press(combo.vk, false, with_flag)), (std::vector<bool>{false, false}));
}

const Combination kCombinations[] = {{"Tab", VK_TAB_}, {"F4", VK_F4_}, {"Esc", VK_ESCAPE_}, {"P", 'P'}};

INSTANTIATE_TEST_SUITE_P(Keys, AltCombination,
                         ::testing::Combine(::testing::ValuesIn(kCombinations), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "WithAltFlag" : "WithoutAltFlag");
                         });

TEST(LowLevelKeys, WindowsAndApplicationsKeysAreSwallowedAloneAndWithOthers) {
    for (std::uint32_t vk : {VK_LWIN_, VK_RWIN_, VK_APPS_}) {
        AltKeys alt;
        EXPECT_EQ(decide(alt, press(vk, false, false)), (std::vector<bool>{true, true})) << vk;
        // Windows+D: the key pressed while the Windows key is down still
        // reaches nobody as a combination, since the Windows key never did.
        std::vector<Event> combo{{WM_KEYDOWN_, vk, 0}, {WM_KEYDOWN_, 'D', 0}, {WM_KEYUP_, 'D', kUpFlag},
                                 {WM_KEYUP_, vk, kUpFlag}};
        EXPECT_EQ(decide(alt, combo), (std::vector<bool>{true, false, false, true})) << vk;
    }
}

TEST(LowLevelKeys, CtrlShortcutsShiftAndLettersPass) {
    AltKeys alt;
    const std::vector<Event> ctrl_p{{WM_KEYDOWN_, VK_LCONTROL_, 0}, {WM_KEYDOWN_, 'P', 0}, {WM_KEYUP_, 'P', kUpFlag},
                                    {WM_KEYUP_, VK_LCONTROL_, kUpFlag}};
    EXPECT_EQ(decide(alt, ctrl_p), std::vector<bool>(4, false));
    // The hook reports Shift as left or right Shift, never as the generic code.
    EXPECT_EQ(decide(alt, press(VK_LSHIFT_, false, false)), (std::vector<bool>{false, false}));
    EXPECT_EQ(decide(alt, press('X', false, false)), (std::vector<bool>{false, false}));
}

TEST(LowLevelKeys, TheFilterSeesTheRecordAsTheSystemGaveItWithAltAdded) {
    AltKeys alt;
    ASSERT_TRUE(low_level_key_swallowed(alt, 0, WM_SYSKEYDOWN_, {VK_LMENU_, 56, 0, 1234, 0x1122334455667788ull},
                                        &KeyboardFilterProc));
    EXPECT_EQ(KeyEventCopy.vk_code, VK_LMENU_);
    EXPECT_EQ(KeyEventCopy.scan_code, 56u);
    EXPECT_EQ(KeyEventCopy.flags, kAltFlag);
    EXPECT_EQ(KeyEventCopy.time, 1234u);
    EXPECT_EQ(KeyEventCopy.extra, 0x55667788u);
    ASSERT_TRUE(low_level_key_swallowed(alt, 0, WM_SYSKEYDOWN_, {VK_TAB_, 15, 0, 1240, 0}, &KeyboardFilterProc));
    EXPECT_EQ(KeyEventCopy.vk_code, VK_TAB_);
    EXPECT_EQ(KeyEventCopy.flags, kAltFlag);
}

TEST(LowLevelKeys, BothAltKeysMustBeReleasedBeforeKeysPassAgain) {
    AltKeys alt;
    decide(alt, {{WM_SYSKEYDOWN_, VK_LMENU_, 0}, {WM_SYSKEYDOWN_, VK_RMENU_, 0}, {WM_KEYUP_, VK_LMENU_, kUpFlag}});
    EXPECT_EQ(decide(alt, press(VK_TAB_, false, false)), (std::vector<bool>{true, true})) << "right Alt still held";
    decide(alt, {{WM_KEYUP_, VK_RMENU_, kUpFlag}});
    EXPECT_EQ(decide(alt, press(VK_TAB_, false, false)), (std::vector<bool>{false, false}));
}

TEST(LowLevelKeys, EventsTheHookMustNotExamineAndOtherMessagesPass) {
    AltKeys alt;
    EXPECT_FALSE(low_level_key_swallowed(alt, 3, WM_KEYDOWN_, {VK_LWIN_, 0, 0, 0, 0}, &KeyboardFilterProc));
    EXPECT_FALSE(low_level_key_swallowed(alt, -1, WM_SYSKEYDOWN_, {VK_TAB_, 0, kAltFlag, 0, 0}, &KeyboardFilterProc));
    EXPECT_FALSE(alt.any()) << "an event not examined changes nothing";
    EXPECT_FALSE(low_level_key_swallowed(alt, 0, 0x0104 + 100, {VK_LWIN_, 0, 0, 0, 0}, &KeyboardFilterProc));
    EXPECT_FALSE(low_level_key_swallowed(alt, 0, WM_KEYDOWN_, {VK_LWIN_, 0, 0, 0, 0}, nullptr)) << "no filter";
}

}  // namespace
