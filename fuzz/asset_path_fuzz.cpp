// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The asset-name mapping on arbitrary names: built from pieces that reach a
// small real folder tree (so the letter-case search runs) and from raw bytes.
// The mapping must never fail, must leave no backslash and no doubled
// separator, and may change nothing but letter case.
#include <fuzzer/FuzzedDataProvider.h>
#include <strings.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/asset_path.h"

namespace fs = std::filesystem;

namespace {

std::string root;  // the tree's folder, without a trailing separator

void make_tree() {
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/rd-fuzz-assets-XXXXXX";
    if (!::mkdtemp(tmpl.data())) std::abort();
    root = tmpl;
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(root, ec);
    });
    for (const char* dir : {"PICTURE", "SOUND", "MUSIC", "MY_PICTURE", "Mixed Case", "mape/ŠKOLA"})
        fs::create_directories(fs::path(root) / dir);
    for (const char* file : {"PICTURE/01.GIF", "PICTURE/GLAVNA.JPG", "PICTURE/kantica8.ico", "SOUND/Zelena.wav",
                             "MUSIC/001.MID", "Mixed Case/File.Txt", "mape/ŠKOLA/Crtež.gif"})
        std::ofstream(fs::path(root) / file) << "x";
}

// Backslashes become '/', and runs of separators become one.
std::string collapsed(const std::string& name) {
    std::string out;
    for (char c : name) {
        const char ch = c == '\\' ? '/' : c;
        if (ch == '/' && !out.empty() && out.back() == '/') continue;
        out.push_back(ch);
    }
    return out;
}

[[noreturn]] void finding(const char* what, const std::string& name, const std::string& mapped) {
    std::fprintf(stderr, "FINDING: %s\n  name:   %s\n  mapped: %s\n", what, name.c_str(), mapped.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    make_tree();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kPieces[] = {"\\", "/", "\\\\", "//", "PICTURE", "picture", "Picture", "01.GIF",
                                          "01.gif", "glavna.jpg", "KANTICA8.ICO", "SOUND", "sound", "ZELENA.WAV",
                                          "MUSIC", "001.mid", "MY_PICTURE", "my_picture", "mixed case", "FILE.TXT",
                                          "MAPE", "škola", "ŠKOLA", "CRTEŽ.GIF", ".", "..", " ", ""};
    FuzzedDataProvider in(data, size);
    std::string name;
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: name = root; break;          // a program folder without its separator
    case 1: name = root + "/"; break;
    case 2: name = root + "\\"; break;   // separators written the classic way
    default: break;                      // a name on its own (relative or absolute)
    }
    while (in.remaining_bytes() > 0) {
        if (in.ConsumeBool())
            name += in.PickValueInArray(kPieces);
        else
            name += in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(1, 8));
    }

    const std::string mapped = map_asset_path(name);
    if (mapped.find('\\') != std::string::npos) finding("a backslash is left", name, mapped);
    if (mapped.find("//") != std::string::npos) finding("a doubled separator is left", name, mapped);
    // Only the letter case of a component may change. (A name with a NUL in it
    // cannot reach the file system whole; nothing is promised for it.)
    const std::string plain = collapsed(name);
    if (plain.find('\0') == std::string::npos &&
        (mapped.size() != plain.size() || ::strncasecmp(mapped.c_str(), plain.c_str(), plain.size()) != 0))
        finding("the mapping changed more than letter case", name, mapped);
    return 0;
}
