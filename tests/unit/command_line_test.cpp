// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line is read before the program takes the screen: only an
// empty command line starts it; --help and --version print and end with 0;
// anything else is one line of usage on standard error and status 2.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/command_line.h"

namespace {

enum class Ends { Starts, Help, Version, Usage };

struct LineCase {
    const char* name;
    std::vector<std::string_view> args;
    Ends expected;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class CommandLineCases : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineCases, Verdict) {
    const LineCase& c = GetParam();
    const CommandLineVerdict v = read_command_line(c.args, "9.8.7");
    switch (c.expected) {
        case Ends::Starts:
            EXPECT_TRUE(v.start);
            EXPECT_EQ(v.out, "");
            EXPECT_EQ(v.err, "");
            break;
        case Ends::Help:
            EXPECT_FALSE(v.start);
            EXPECT_EQ(v.status, 0);
            EXPECT_EQ(v.out.rfind("Usage: rainbowdrop", 0), 0u) << v.out;
            EXPECT_EQ(v.err, "");
            break;
        case Ends::Version:
            EXPECT_FALSE(v.start);
            EXPECT_EQ(v.status, 0);
            EXPECT_EQ(v.out.rfind("Rainbow Drop 9.8.7\n", 0), 0u) << v.out;
            EXPECT_EQ(v.err, "");
            break;
        case Ends::Usage:
            EXPECT_FALSE(v.start);
            EXPECT_EQ(v.status, 2);
            EXPECT_EQ(v.out, "");
            ASSERT_FALSE(v.err.empty());
            EXPECT_EQ(v.err.find('\n'), v.err.size() - 1) << "not one line: " << v.err;
            EXPECT_NE(v.err.find("usage: rainbowdrop"), std::string::npos) << v.err;
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, CommandLineCases,
    ::testing::Values(
        LineCase{"Nothing", {}, Ends::Starts},
        LineCase{"Help", {"--help"}, Ends::Help},
        LineCase{"ShortHelp", {"-h"}, Ends::Help},
        LineCase{"Version", {"--version"}, Ends::Version},
        // Help wins over the version, whatever the order.
        LineCase{"VersionThenHelp", {"--version", "--help"}, Ends::Help},
        LineCase{"UnknownLong", {"--fullscreen"}, Ends::Usage},
        LineCase{"UnknownShort", {"-v"}, Ends::Usage},
        LineCase{"Operand", {"picture.gif"}, Ends::Usage},
        LineCase{"EmptyArgument", {""}, Ends::Usage},
        LineCase{"EndOfOptions", {"--"}, Ends::Usage},
        LineCase{"PrefixOfHelp", {"--hel"}, Ends::Usage},
        LineCase{"HelpWithValue", {"--help=all"}, Ends::Usage},
        LineCase{"CaseMatters", {"--HELP"}, Ends::Usage},
        // A wrong option anywhere stops the start, even after a good one.
        LineCase{"HelpThenUnknown", {"--help", "--bogus"}, Ends::Usage},
        LineCase{"UnknownThenVersion", {"--bogus", "--version"}, Ends::Usage},
        LineCase{"NewlineInArgument", {"--a\nb"}, Ends::Usage},
        LineCase{"EscapeInArgument", {"\x1b]0;title\x07"}, Ends::Usage}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(CommandLine, UsageNamesTheWrongArgument) {
    const std::vector<std::string_view> args{"--colour"};
    const CommandLineVerdict v = read_command_line(args, "1.0.0");
    EXPECT_NE(v.err.find("'--colour'"), std::string::npos) << v.err;
}

TEST(CommandLine, ControlCharactersDoNotReachTheTerminal) {
    const std::vector<std::string_view> args{"\x1b[2J\r--x"};
    const CommandLineVerdict v = read_command_line(args, "1.0.0");
    for (const char c : v.err.substr(0, v.err.size() - 1)) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << v.err;
    }
}

// The help is what a grown-up reads instead of the manual page: it names both
// options and the three keys.
TEST(CommandLine, HelpNamesTheOptionsAndKeys) {
    const std::vector<std::string_view> args{"--help"};
    const std::string out = read_command_line(args, "1.0.0").out;
    for (const char* word : {"--help", "--version", "Ctrl+P", "Ctrl+R", "Ctrl+X", "MY_PICTURE/01.GIF"}) {
        EXPECT_NE(out.find(word), std::string::npos) << word;
    }
}

}  // namespace
