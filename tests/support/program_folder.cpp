// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/test_system.h"

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
    path_ = make_temporary_folder("rainbowdrop-test") + kNativeSeparator;
    const fs::path source = fs::path(RD_SOURCE_DIR) / "assets";
    for (const char* sub : {"PICTURE", "SOUND", "MUSIC"})
        fs::copy(source / sub, fs::path(path_) / sub, fs::copy_options::recursive);
    fs::create_directory(fs::path(path_) / "MY_PICTURE");
    fs::copy_file(fs::path(RD_BUILD_DIR) / "MARIGOLD.EXE", fs::path(path_) / "MARIGOLD.EXE");
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    fs::permissions(utf8_path(path_), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(utf8_path(path_), ec);
}

std::string ProgramFolder::file(const std::string& classic_name) const {
    std::string out = path_;
    for (char c : classic_name.substr(classic_name.front() == '\\' ? 1 : 0)) out += c == '\\' ? kNativeSeparator : c;
    return out;
}

std::string read_file(const std::string& path) {
    std::ifstream in(utf8_path(path), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(utf8_path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}
