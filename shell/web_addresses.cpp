#include "shell/web_addresses.h"

#include <cctype>

#ifndef RAINBOWDROP_PRODUCT_URL
#define RAINBOWDROP_PRODUCT_URL ""
#endif
#ifndef RAINBOWDROP_MAKER_URL
#define RAINBOWDROP_MAKER_URL ""
#endif

namespace {

// A file address for a page beside the program; the path is percent-encoded
// so that folders with spaces or non-ASCII letters still open.
std::string shipped_page(const std::string& app_folder, const char* page) {
    static const char* hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : app_folder + page) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

std::string configured_or(const char* configured, const std::string& app_folder, const char* page) {
    const std::string url = configured;
    return url.empty() ? shipped_page(app_folder, page) : url;
}

}  // namespace

std::string product_web_address(const std::string& app_folder) {
    return configured_or(RAINBOWDROP_PRODUCT_URL, app_folder, "about.html");
}

std::string maker_web_address(const std::string& app_folder) {
    return configured_or(RAINBOWDROP_MAKER_URL, app_folder, "credits.html");
}
