// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh program folder for one test: a copy of the asset folders (so a test
// may break files freely), the companion, and an empty MY_PICTURE.
#include <string>

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // The folder, ending in the system's separator.
    const std::string& path() const { return path_; }
    // The file of an asset name as written in the program ("\PICTURE\01.GIF").
    std::string file(const std::string& classic_name) const;

private:
    std::string path_;
};

// Reads a whole file; empty when it cannot be read.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
