// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web_addresses.h"

#include <string_view>

#ifndef RAINBOWDROP_PRODUCT_URL
#define RAINBOWDROP_PRODUCT_URL ""
#endif
#ifndef RAINBOWDROP_MAKER_URL
#define RAINBOWDROP_MAKER_URL ""
#endif

namespace {

// A configured address must be complete: a scheme, a colon, and the rest.
constexpr bool full_address_or_empty(std::string_view url) {
    if (url.empty()) return true;
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == url.size()) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = url[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && (i == 0 || (!digit && c != '+' && c != '-' && c != '.'))) return false;
    }
    return true;
}
static_assert(full_address_or_empty(RAINBOWDROP_PRODUCT_URL),
              "RAINBOWDROP_PRODUCT_URL needs its scheme, e.g. https://example.org/rainbow-drop/");
static_assert(full_address_or_empty(RAINBOWDROP_MAKER_URL),
              "RAINBOWDROP_MAKER_URL needs its scheme, e.g. https://example.org/");

}  // namespace

// The path is percent-encoded so that folders with spaces or non-ASCII
// letters still open. A folder with a drive letter ("C:\Programs\...") is
// written the way file addresses write it: "file:///C:/Programs/...".
std::string shipped_page_address(const std::string& app_folder, const char* page) {
    static const char* hex = "0123456789ABCDEF";
    const std::string path = app_folder + page;
    const bool drive = path.size() >= 2 && path[1] == ':' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    std::string url = drive ? "file:///" : "file://";
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        const bool ascii_alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (ascii_alnum || c == '/' || c == '-' || c == '_' || c == '.' || c == '~' || (drive && i == 1)) {
            url += static_cast<char>(c);
        } else if (c == '\\' && drive) {
            url += '/';
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

namespace {

std::string configured_or(const char* configured, const std::string& app_folder, const char* page) {
    const std::string url = configured;
    return url.empty() ? shipped_page_address(app_folder, page) : url;
}

}  // namespace

std::string product_web_address(const std::string& app_folder) {
    return configured_or(RAINBOWDROP_PRODUCT_URL, app_folder, "about.html");
}

std::string maker_web_address(const std::string& app_folder) {
    return configured_or(RAINBOWDROP_MAKER_URL, app_folder, "credits.html");
}
