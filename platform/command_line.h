// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line, read before anything else happens: a child's program
// that takes the whole screen and the keyboard must not do so when a grown-up
// only asked for its help or its version, nor on a mistyped option.
#include <span>
#include <string>
#include <string_view>

struct CommandLineVerdict {
    bool start = true;   // false: print the texts and end with `status`
    int status = 0;      // 0 for --help and --version, 2 for a usage error
    std::string out;     // for standard output
    std::string err;     // for standard error
};

// `args` are the arguments after the program's name; `version` is the
// release number, e.g. "1.0.0". Pure: it prints nothing and touches nothing.
CommandLineVerdict read_command_line(std::span<const std::string_view> args, std::string_view version);
