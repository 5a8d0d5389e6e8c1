// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments shipped for Timidity, where Windows has no MIDI
// synthesiser: every program the tune plays has an instrument beside the
// program, so no part of the tune falls silent.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/file_system.h"
#include "tests/support/program_folder.h"

namespace {

// The General MIDI programs a standard MIDI file selects, by a plain reading
// of its tracks; drums (channel 10) count as program 128.
std::set<int> programs_of(const std::string& midi) {
    std::set<int> programs;
    std::size_t pos = 14;
    auto u32 = [&](std::size_t at) {
        return (std::uint32_t(std::uint8_t(midi[at])) << 24) | (std::uint32_t(std::uint8_t(midi[at + 1])) << 16) |
               (std::uint32_t(std::uint8_t(midi[at + 2])) << 8) | std::uint32_t(std::uint8_t(midi[at + 3]));
    };
    while (pos + 8 <= midi.size() && midi.compare(pos, 4, "MTrk") == 0) {
        const std::size_t end = pos + 8 + u32(pos + 4);
        std::size_t i = pos + 8;
        unsigned status = 0;
        auto byte = [&] { return unsigned(std::uint8_t(midi.at(i++))); };
        auto varlen = [&] {
            unsigned v = 0, b = 0;
            do {
                b = byte();
                v = (v << 7) | (b & 0x7F);
            } while (b & 0x80);
            return v;
        };
        while (i < end) {
            varlen();
            unsigned b = unsigned(std::uint8_t(midi.at(i)));
            if (b == 0xFF) {
                i += 2;
                i += varlen();
                continue;
            }
            if (b == 0xF0 || b == 0xF7) {
                ++i;
                i += varlen();
                continue;
            }
            if (b & 0x80) {
                status = b;
                ++i;
            }
            const unsigned kind = status & 0xF0, channel = status & 0x0F;
            const int data = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            const unsigned first = byte();
            if (data == 2) byte();
            if (kind == 0xC0) programs.insert(int(first));
            if (kind == 0x90 && channel == 9) programs.insert(128);
        }
        pos = end;
    }
    return programs;
}

TEST(Timidity, EveryProgramOfTheTuneHasAnInstrumentBesideTheProgram) {
    const std::string tune = read_file(std::string(RD_SOURCE_DIR) + "/assets/MUSIC/001.MID");
    ASSERT_EQ(tune.substr(0, 4), "MThd");
    const std::set<int> used = programs_of(tune);
    ASSERT_FALSE(used.empty());

    std::istringstream cfg(read_file(std::string(RD_BUILD_DIR) + "/timidity.cfg"));
    std::map<int, std::string> instruments;
    const std::regex line(R"(^\s*(\d+)\s+(\S+\.pat)\b.*)");
    for (std::string l; std::getline(cfg, l);) {
        std::smatch m;
        if (std::regex_match(l, m, line)) instruments[std::stoi(m[1])] = m[2];
    }
    for (int program : used) {
        ASSERT_TRUE(instruments.count(program)) << "no instrument for program " << program;
        const std::string patch = std::string(RD_BUILD_DIR) + "/" + instruments[program];
        const auto st = regular_file_status(patch);
        ASSERT_TRUE(st.has_value()) << patch;
        EXPECT_EQ(read_file(patch).substr(0, 8), "GF1PATCH") << patch;
    }
    EXPECT_TRUE(regular_file_status(std::string(RD_BUILD_DIR) + "/timidity/copyright").has_value())
        << "the instruments' licence travels with them";
}

}  // namespace
