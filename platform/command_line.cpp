// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/command_line.h"

#include <utility>

namespace {

constexpr std::string_view kSynopsis = "rainbowdrop [--help | --version]";

constexpr std::string_view kHelp =
    "A full-screen colouring book for young children. Started without options,\n"
    "it takes the whole screen and keeps the keyboard to itself until the exit\n"
    "question is answered.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and end\n"
    "      --version  print the version and end\n"
    "\n"
    "Keys for grown-ups:\n"
    "  Ctrl+P  save the picture as MY_PICTURE/01.GIF beside the program and print it\n"
    "  Ctrl+R  show the information panel\n"
    "  Ctrl+X  ask whether to stop; Yes ends the program\n"
    "\n"
    "Exit status: 0 after Yes, 2 for a wrong option, 3 for a missing or damaged\n"
    "picture file, 1 when the display cannot be opened.\n";

// A newline or an escape inside an argument must not break the one-line
// message nor reach the terminal as a control sequence.
std::string printable(std::string_view arg) {
    std::string shown(arg);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return shown;
}

CommandLineVerdict ending(int status, std::string out, std::string err) {
    return CommandLineVerdict{false, status, std::move(out), std::move(err)};
}

}  // namespace

CommandLineVerdict read_command_line(std::span<const std::string_view> args, std::string_view version) {
    bool help = false;
    bool show_version = false;
    for (const std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            show_version = true;
        } else {
            // The program takes no operands either: anything else is a mistake
            // that must be reported before the screen is taken.
            return ending(2, "",
                          "rainbowdrop: unrecognised argument '" + printable(arg) + "'; usage: " +
                              std::string(kSynopsis) + "\n");
        }
    }
    if (help) return ending(0, "Usage: " + std::string(kSynopsis) + "\n\n" + std::string(kHelp), "");
    if (show_version) {
        return ending(0,
                      "Rainbow Drop " + std::string(version) +
                          "\nCopyright 2026 Rainbow Drop contributors\n"
                          "The program is free software under the GNU General Public License, version 3 or\n"
                          "later; its pictures, sounds and music are under CC BY-SA 4.0. There is NO\n"
                          "WARRANTY, to the extent permitted by law.\n",
                      "");
    }
    return CommandLineVerdict{};
}
