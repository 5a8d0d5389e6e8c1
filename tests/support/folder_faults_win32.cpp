// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/win32/wide.h"
#include "tests/support/folder_faults.h"

namespace {

// Another program (a viewer, say) has the saved picture open and lets
// nobody replace or delete it: the new picture cannot take its place.
std::shared_ptr<void> picture_held_open(const std::string& dir, std::string& why_not) {
    const HANDLE h = CreateFileW(widen(dir + "\\01.GIF").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        why_not = "cannot open the saved picture (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::shared_ptr<void>(nullptr, [h](void*) { CloseHandle(h); });
}

}  // namespace

std::vector<FolderFault> system_folder_faults() { return {{"PictureHeldOpen", true, picture_held_open}}; }
