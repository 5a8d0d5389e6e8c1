// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped asset set: every file the program names exists in the format
// and pixel size its control expects, the drawings follow the colouring-book
// rules, and the built-in length table matches the files.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/sdl/sdl_pictures.h"
#include "screens/thumbnail_table.h"
#include "shell/asset_check_table.h"

namespace fs = std::filesystem;

namespace {

const fs::path kAssets = fs::path(RD_SOURCE_DIR) / "assets";

fs::path file_of(const std::string& classic) {
    fs::path p = kAssets;
    std::string part;
    for (char c : classic.substr(1)) {
        if (c == '\\') {
            p /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    return p / part;
}

std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

struct Expected {
    std::string name;
    int width, height;  // 0: not a picture
    const char* magic;  // the first bytes of the format
};

std::vector<Expected> catalogue() {
    std::vector<Expected> c;
    for (int n = 0; n <= 25; ++n) c.push_back({"\\PICTURE\\" + two(n) + ".GIF", 750, 600, "GIF8"});
    for (int n = 1; n <= 25; ++n) {
        c.push_back({thumbnail_table()[n].white, 131, 122, "\xFF\xD8"});
        c.push_back({thumbnail_table()[n].yellow, 131, 122, "\xFF\xD8"});
    }
    const int palette_width[13] = {0, 85, 84, 84, 84, 83, 85, 83, 84, 84, 84, 84, 86};
    for (int phase = 1; phase <= 3; ++phase)
        for (int nn = 1; nn <= 12; ++nn)
            c.push_back({"\\PICTURE\\BOJE" + std::to_string(phase) + "_" + two(nn) + ".JPG", palette_width[nn], 85, "\xFF\xD8"});
    const std::vector<Expected> rest = {
        {"\\PICTURE\\GLAVNA.JPG", 1024, 768, "\xFF\xD8"},     {"\\PICTURE\\GALERIJA.JPG", 1024, 768, "\xFF\xD8"},
        {"\\PICTURE\\CTRLX.JPG", 400, 250, "\xFF\xD8"},       {"\\PICTURE\\CTRL-R.JPG", 400, 250, "\xFF\xD8"},
        {"\\PICTURE\\PRINTING.JPG", 400, 250, "\xFF\xD8"},    {"\\PICTURE\\MOREIMAGES1.JPG", 160, 169, "\xFF\xD8"},
        {"\\PICTURE\\MOREIMAGES2.JPG", 160, 169, "\xFF\xD8"}, {"\\PICTURE\\GUMICA1.JPG", 112, 61, "\xFF\xD8"},
        {"\\PICTURE\\GUMICA2.JPG", 112, 61, "\xFF\xD8"},      {"\\PICTURE\\PAPIR1.JPG", 63, 61, "\xFF\xD8"},
        {"\\PICTURE\\PAPIR2.JPG", 63, 61, "\xFF\xD8"},        {"\\PICTURE\\BACK1.JPG", 192, 40, "\xFF\xD8"},
        {"\\PICTURE\\BACK2.JPG", 192, 40, "\xFF\xD8"},        {"\\PICTURE\\YES1.JPG", 107, 50, "\xFF\xD8"},
        {"\\PICTURE\\YES2.JPG", 107, 50, "\xFF\xD8"},         {"\\PICTURE\\NO1.JPG", 85, 50, "\xFF\xD8"},
        {"\\PICTURE\\NO2.JPG", 85, 50, "\xFF\xD8"},           {"\\PICTURE\\VISIT1.JPG", 330, 62, "\xFF\xD8"},
        {"\\PICTURE\\VISIT2.JPG", 330, 62, "\xFF\xD8"},       {"\\PICTURE\\CTRLRZEB1.JPG", 110, 35, "\xFF\xD8"},
        {"\\PICTURE\\CTRLRZEB2.JPG", 110, 35, "\xFF\xD8"},    {"\\PICTURE\\CLOSE1.JPG", 73, 27, "\xFF\xD8"},
        {"\\PICTURE\\CLOSE2.JPG", 73, 27, "\xFF\xD8"},        {"\\PICTURE\\KAPLJICA1.JPG", 58, 81, "\xFF\xD8"},
        {"\\PICTURE\\KAPLJICA2.JPG", 58, 81, "\xFF\xD8"},     {"\\PICTURE\\OLOVKA1.JPG", 62, 81, "\xFF\xD8"},
        {"\\PICTURE\\OLOVKA2.JPG", 62, 81, "\xFF\xD8"},       {"\\PICTURE\\ZVUCNIK1.JPG", 78, 79, "\xFF\xD8"},
        {"\\PICTURE\\ZVUCNIK2.JPG", 78, 79, "\xFF\xD8"},      {"\\PICTURE\\SOUNDOFF1.JPG", 78, 79, "\xFF\xD8"},
        {"\\PICTURE\\SOUNDOFF2.JPG", 78, 79, "\xFF\xD8"},     {"\\PICTURE\\MUZIKA1.JPG", 78, 79, "\xFF\xD8"},
        {"\\PICTURE\\MUZIKA2.JPG", 78, 79, "\xFF\xD8"},       {"\\PICTURE\\MUSICOFF1.JPG", 78, 79, "\xFF\xD8"},
        {"\\PICTURE\\MUSICOFF2.JPG", 78, 79, "\xFF\xD8"},     {"\\PICTURE\\KANTICA8.ICO", 32, 32, "\0\0\1\0"},
        {"\\PICTURE\\CETKA.ICO", 32, 32, "\0\0\1\0"},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    for (const char* s : {"CRVENA", "ZELENA", "ZUTA", "SVPLAVA", "ORANZ", "LJUBICASTA", "SIVA", "TAMNOZUTA", "BRAON",
                          "PLAVA", "CRNA", "PINK", "FILL", "WIPE"})
        c.push_back({std::string("\\SOUND\\") + s + ".WAV", 0, 0, "RIFF"});
    c.push_back({"\\MUSIC\\001.MID", 0, 0, "MThd"});
    return c;
}

std::string head(const fs::path& p, std::size_t n) {
    std::ifstream in(p, std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), static_cast<std::streamsize>(n));
    s.resize(static_cast<std::size_t>(in.gcount()));
    return s;
}

TEST(Assets, EveryNamedFileExistsInItsFormatAndSize) {
    SdlPictures decoder;
    for (const Expected& e : catalogue()) {
        SCOPED_TRACE(e.name);
        const fs::path p = file_of(e.name);
        ASSERT_TRUE(fs::is_regular_file(p));
        const std::string magic(e.magic, e.name.find(".ICO") != std::string::npos ? 4 : std::strlen(e.magic));
        EXPECT_EQ(head(p, magic.size()), magic);
        if (e.width == 0) continue;
        const Picture pic = decoder.load(p.string());  // SDL_image must read it (icons included)
        EXPECT_EQ(pic->width, e.width);
        EXPECT_EQ(pic->height, e.height);
    }
    EXPECT_TRUE(fs::is_directory(kAssets / "MY_PICTURE"));
}

TEST(Assets, TheLengthTableMatchesTheFilesInCheckOrder) {
    std::size_t i = 0;
    for (const AssetCheckEntry& e : AssetCheckTable) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(fs::file_size(file_of(e.name)), e.length) << "entry " << ++i;
    }
    EXPECT_STREQ(AssetCheckTable[0].name, "\\PICTURE\\01.GIF");
    EXPECT_STREQ(AssetCheckTable[24].name, "\\PICTURE\\25.GIF");
    EXPECT_STREQ(AssetCheckTable[77].name, "\\PICTURE\\GLAVNA.JPG");
    EXPECT_STREQ(AssetCheckTable[129].name, "\\PICTURE\\00.GIF");
    EXPECT_STREQ(AssetCheckTable[146].name, "\\PICTURE\\ZVUCNIK2.JPG");
}

// The 4-connected white areas of a drawing and their sizes.
std::vector<int> white_areas(const PictureData& d) {
    std::vector<int> label(d.pixels.size(), 0), sizes;
    std::vector<int> stack;
    for (int start = 0; start < static_cast<int>(d.pixels.size()); ++start) {
        if (label[start] || (d.pixels[start] & 0xFFFFFF) != 0xFFFFFF) continue;
        sizes.push_back(0);
        label[start] = static_cast<int>(sizes.size());
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++sizes.back();
            const int x = i % d.width, y = i / d.width;
            const int nb[4] = {x > 0 ? i - 1 : -1, x + 1 < d.width ? i + 1 : -1, y > 0 ? i - d.width : -1,
                               y + 1 < d.height ? i + d.width : -1};
            for (int j : nb)
                if (j >= 0 && !label[j] && (d.pixels[j] & 0xFFFFFF) == 0xFFFFFF) {
                    label[j] = label[start];
                    stack.push_back(j);
                }
        }
    }
    return sizes;
}

TEST(Assets, DrawingsAreTwoColourLineArtWithClosedAreasAChildCanFill) {
    SdlPictures decoder;
    for (int n = 1; n <= 25; ++n) {
        SCOPED_TRACE("drawing " + two(n));
        const Picture d = decoder.load(file_of("\\PICTURE\\" + two(n) + ".GIF").string());
        std::size_t black = 0;
        for (std::uint32_t p : d->pixels) {
            const std::uint32_t c = p & 0xFFFFFF;
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << std::hex << c;
            black += c == 0;
        }
        EXPECT_GT(black, 5000u) << "bold outlines";
        const std::vector<int> areas = white_areas(*d);
        EXPECT_GE(areas.size(), 8u);
        EXPECT_LE(areas.size(), 60u);
        int tiny = 0;
        for (int a : areas) {
            EXPECT_GE(a, 30) << "a speck of white inside the lines";
            tiny += a < 150;
        }
        EXPECT_LE(tiny, 3) << "areas under 150 pixels are only deliberate details";
    }
    const Picture blank = decoder.load(file_of("\\PICTURE\\00.GIF").string());
    for (std::uint32_t p : blank->pixels) ASSERT_EQ(p & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Assets, SoundsDecodeAndTheMusicParses) {
    ASSERT_EQ(SDL_Init(0), 0);
    for (const Expected& e : catalogue()) {
        if (e.name.find(".WAV") == std::string::npos) continue;
        SCOPED_TRACE(e.name);
        SDL_AudioSpec wav_format;
        Uint8* buf = nullptr;
        Uint32 len = 0;
        ASSERT_NE(SDL_LoadWAV(file_of(e.name).string().c_str(), &wav_format, &buf, &len), nullptr) << SDL_GetError();
        const double seconds = static_cast<double>(len) /
                               (wav_format.freq * wav_format.channels * (SDL_AUDIO_BITSIZE(wav_format.format) / 8));
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, e.name.find("WIPE") != std::string::npos ? 2.0 : 1.5);
        SDL_FreeWAV(buf);
    }
    // A standard MIDI file: a header chunk, then as many track chunks as it says.
    std::ifstream in(file_of("\\MUSIC\\001.MID"), std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GE(b.size(), 14u);
    auto be32 = [&](std::size_t i) { return (b[i] << 24) | (b[i + 1] << 16) | (b[i + 2] << 8) | b[i + 3]; };
    ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
    ASSERT_EQ(be32(4), 6);
    const int tracks = (b[10] << 8) | b[11];
    EXPECT_GE(tracks, 1);
    std::size_t pos = 14;
    for (int t = 0; t < tracks; ++t) {
        ASSERT_LE(pos + 8, b.size());
        ASSERT_EQ(std::string(b.begin() + static_cast<long>(pos), b.begin() + static_cast<long>(pos) + 4), "MTrk");
        pos += 8 + static_cast<std::size_t>(be32(pos + 4));
    }
    EXPECT_EQ(pos, b.size());
}

}  // namespace
