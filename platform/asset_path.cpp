// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/asset_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <vector>

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The entry of folder whose name equals name regardless of letter case.
std::string find_ignoring_case(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir) return name;
    std::string found = name;
    while (dirent* e = ::readdir(dir)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

std::string map_asset_path(const std::string& classic) {
    std::string path;
    path.reserve(classic.size());
    for (char c : classic) {
        const char ch = (c == '\\') ? '/' : c;
        if (ch == '/' && !path.empty() && path.back() == '/') continue;
        path.push_back(ch);
    }
    if (path.empty() || exists(path)) return path;

    // Slow path, only for a name that is not there as written.
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    parts.push_back(part);
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i == 0) {
            out = parts[0];
            continue;
        }
        const std::string candidate = out + "/" + parts[i];
        out = exists(candidate) || parts[i].empty() ? candidate : out + "/" + find_ignoring_case(out, parts[i]);
    }
    return out;
}
