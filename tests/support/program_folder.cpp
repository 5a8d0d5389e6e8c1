// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
    std::string tmpl = (fs::temp_directory_path() / "rainbowdrop-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = tmpl + "/";
    const fs::path source = fs::path(RD_SOURCE_DIR) / "assets";
    for (const char* sub : {"PICTURE", "SOUND", "MUSIC"})
        fs::copy(source / sub, fs::path(path_) / sub, fs::copy_options::recursive);
    fs::create_directory(fs::path(path_) / "MY_PICTURE");
    fs::copy_file(fs::path(RD_BUILD_DIR) / "MARIGOLD.EXE", fs::path(path_) / "MARIGOLD.EXE");
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ProgramFolder::file(const std::string& classic_name) const {
    std::string out = path_;
    for (char c : classic_name.substr(classic_name.front() == '\\' ? 1 : 0)) out += c == '\\' ? '/' : c;
    return out;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
