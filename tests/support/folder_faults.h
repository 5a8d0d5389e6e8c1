// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ways the picture folder fails to take a save that only one system can
// make: a read-only folder and a full disk on Linux, a picture held open by
// another program on Windows (folder_faults_posix.cpp, folder_faults_win32.cpp).
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct FolderFault {
    const char* name;
    // Save once before the fault, so that there is a picture to keep.
    bool needs_earlier_picture;
    // Applies the fault to the folder; what it returns undoes it when it
    // goes. why_not says why the fault cannot be made here (the test skips).
    std::function<std::shared_ptr<void>(const std::string& folder, std::string& why_not)> apply;
};

std::vector<FolderFault> system_folder_faults();
