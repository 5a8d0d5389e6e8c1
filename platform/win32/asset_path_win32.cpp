// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows the classic names are already native: the separator is the
// backslash and letter case does not matter. Forward slashes (the program
// folder as some callers write it) become backslashes, and doubled
// separators are made single, except the two that open a network path.
#include "platform/asset_path.h"

std::string map_asset_path(const std::string& classic) {
    std::string path;
    path.reserve(classic.size());
    for (char c : classic) {
        const char ch = (c == '/') ? '\\' : c;
        const bool doubled = ch == '\\' && !path.empty() && path.back() == '\\';
        if (doubled && path.size() > 1) continue;
        path.push_back(ch);
    }
    return path;
}
