// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures reach SDL_image only in the program's own formats, and GIFs are
// checked before SDL_image decodes them: its decoder follows a code
// beyond its table without looking, and a drawing spoiled on disk used to take
// the whole program down. Each fixture here is decoded for real as well: what
// the check lets through, SDL_image must decode to the right pixels; what it
// stops must end as a failed load, never a crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/picture_check.h"
#include "platform/picture_size.h"
#include "platform/sdl/sdl_pictures.h"
#include "tests/support/program_folder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr unsigned kClear = 4, kEnd = 5;  // with the 2-bit code size used below
constexpr std::uint32_t kColours[4] = {0xFF000000, 0xFFFFFFFF, 0xFF0000FF, 0xFFFF0000};  // 0xAABBGGRR

// Packs codes least significant bit first, widening them the way a decoder
// expects: one bit more each time the table reaches the next power of two.
Bytes pack_codes(const std::vector<unsigned>& codes) {
    Bytes out;
    unsigned size = 3, next = kClear + 2, bit = 0;
    bool first = true;
    for (unsigned code : codes) {
        for (unsigned i = 0; i < size; ++i, ++bit) {
            if (bit % 8 == 0) out.push_back(0);
            out.back() |= static_cast<std::uint8_t>(((code >> i) & 1u) << (bit % 8));
        }
        if (code == kClear) {
            size = 3, next = kClear + 2, first = true;
        } else if (code != kEnd) {
            if (!first && next < 4096 && ++next == (1u << size) && size < 12) ++size;
            first = false;
        }
    }
    return out;
}

void put_word(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A four-colour GIF89a of the given size whose image data is the codes.
Bytes gif(unsigned w, unsigned h, const std::vector<unsigned>& codes, bool with_extension = false) {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    put_word(b, w);
    put_word(b, h);
    b.insert(b.end(), {0x81, 0, 0});  // a global table of 4 entries
    b.insert(b.end(), {0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 255});
    if (with_extension) b.insert(b.end(), {0x21, 0xF9, 4, 0, 0, 0, 0, 0});  // graphic control
    b.push_back(0x2C);
    put_word(b, 0);
    put_word(b, 0);
    put_word(b, w);
    put_word(b, h);
    b.push_back(0);
    b.push_back(2);  // code size
    const Bytes data = pack_codes(codes);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    b.push_back(0);
    b.push_back(0x3B);
    return b;
}

// 64 x 64 pixels, all literals: the table fills to 4096 entries and the
// codes go on at 12 bits with no clear, as some encoders write.
std::vector<unsigned> table_filling_codes() {
    std::vector<unsigned> c = {kClear};
    for (unsigned i = 0; i < 64 * 64; ++i) c.push_back(i % 4);
    c.push_back(kEnd);
    return c;
}

std::vector<std::uint32_t> pixels_of(const std::vector<unsigned>& indices) {
    std::vector<std::uint32_t> p;
    for (unsigned i : indices) p.push_back(kColours[i]);
    return p;
}

// Found by corrupting a drawing: 16 x 16, no colour table, codes 3 then 7.
const Bytes kCrashingStream = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x10, 0x00, 0x10, 0x00, 0x04,
                               0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x10, 0x00,
                               0x00, 0x02, 0x04, 0x3b, 0x34, 0x35, 0x3b, 0x00, 0x3b};

struct SoundCase {
    const char* name;
    Bytes bytes;
    std::vector<std::uint32_t> pixels;  // what SDL_image must give
};

TEST(GifCheck, SoundStreamsPassAndDecodeToTheirPixels) {
    std::vector<unsigned> filling = table_filling_codes();
    std::vector<unsigned> filling_pixels(filling.begin() + 1, filling.end() - 1);
    const std::vector<SoundCase> cases = {
        {"literals, then the end code", gif(2, 2, {kClear, 0, 1, 2, 3, kEnd}), pixels_of({0, 1, 2, 3})},
        {"a code naming the entry being built", gif(3, 1, {kClear, 1, 6, kEnd}), pixels_of({1, 1, 1})},
        {"entries reused", gif(6, 1, {kClear, 2, 3, 6, 7, kEnd}), pixels_of({2, 3, 2, 3, 3, 2})},
        {"a clear in the middle", gif(3, 1, {kClear, 1, 0, kClear, 3, kEnd}), pixels_of({1, 0, 3})},
        {"no leading clear, no end code", gif(2, 1, {2, 1}), pixels_of({2, 1})},
        {"an extension before the image", gif(1, 1, {kClear, 3, kEnd}, true), pixels_of({3})},
        {"a full table, then 12-bit codes", gif(64, 64, filling), pixels_of(filling_pixels)},
    };
    SdlPictures decoder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(gif_is_well_formed(c.bytes));
        const Picture p = decoder.decode(c.bytes);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->pixels, c.pixels);
    }
}

TEST(GifCheck, DamagedStreamsAreRefusedAsFailedLoads) {
    Bytes cut = gif(2, 2, {kClear, 0, 1, 2, 3, kEnd});
    cut.resize(cut.size() - 3);  // the last data byte, the block end and the trailer gone
    Bytes size_one = gif(2, 2, {kClear, 0, 1, 2, 3, kEnd});
    size_one[6 + 7 + 12 + 10] = 1;
    Bytes size_nine = size_one;
    size_nine[6 + 7 + 12 + 10] = 9;
    Bytes stray = gif(1, 1, {kClear, 3, kEnd});
    stray.insert(stray.begin() + 6 + 7 + 12, 0x55);
    Bytes no_image = {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};

    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"a code beyond the table", gif(4, 1, {kClear, 0, 7, kEnd})},
        {"a code far beyond the table", gif(8, 1, {kClear, 0, 1, 2, 3, 15, kEnd})},
        {"an entry code first after a clear", gif(4, 1, {kClear, 6, kEnd})},
        {"an entry code first of all", gif(4, 1, {7, kEnd})},
        {"fewer pixels than the image has", gif(4, 4, {kClear, 0, 1, 2, kEnd})},
        {"a bad code after the image is complete", gif(1, 1, {kClear, 0, 7, kEnd})},
        {"the data cut short", cut},
        {"a code size of 1", size_one},
        {"a code size of 9", size_nine},
        {"a stray byte before the image", stray},
        {"no image at all", no_image},
        {"an image no pixels wide", gif(0, 2, {kClear, kEnd})},
        {"an image no pixels high", gif(2, 0, {kClear, kEnd})},
        {"the stream that crashed the decoder", kCrashingStream},
    };
    SdlPictures decoder;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(gif_is_well_formed(bytes));
        EXPECT_THROW(decoder.decode(bytes), PictureLoadError);
    }
}

TEST(GifCheck, EveryDrawingPassesAndADamagedFileOnDiskIsAFailedLoad) {
    ProgramFolder folder;
    SdlPictures decoder;
    for (int n = 0; n <= 25; ++n) {
        const std::string name = std::string("\\PICTURE\\") + char('0' + n / 10) + char('0' + n % 10) + ".GIF";
        const std::string bytes = read_file(folder.file(name));
        EXPECT_TRUE(gif_is_well_formed({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})) << name;
    }

    // A drawing whose data was overwritten in place by the stream above,
    // padded to its old length, as a bad sector would leave it.
    const std::string path = folder.file("\\PICTURE\\01.GIF");
    std::string spoiled = read_file(path);
    spoiled.replace(0, kCrashingStream.size(), std::string(kCrashingStream.begin(), kCrashingStream.end()));
    write_file(path, spoiled);
    EXPECT_THROW(decoder.load(path), PictureLoadError);
    EXPECT_THROW(decoder.load_uncached(path), PictureLoadError);
}

// The PNG reader ignores the end of its data and reads stale bytes again:
// a file cut inside a chunk hung the program, writing warnings for ever.
TEST(PngCheck, APngCutAnywhereIsAFailedLoadAndAWholeOneDecodes) {
    const fs::path samples = fs::path(RD_SOURCE_DIR) / "fuzz" / "corpus" / "fuzz_picture_decode";
    const std::string whole = read_file((samples / "tiny.png").string());
    ASSERT_FALSE(whole.empty());
    const auto bytes_of = [](const std::string& s) {
        return std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    };
    SdlPictures decoder;
    EXPECT_TRUE(png_is_complete(bytes_of(whole)));
    EXPECT_EQ(decoder.decode(bytes_of(whole))->width, 3);
    for (std::size_t cut = 8; cut < whole.size(); ++cut) {
        const std::string part = whole.substr(0, cut);
        SCOPED_TRACE("cut after " + std::to_string(cut) + " bytes");
        EXPECT_FALSE(png_is_complete(bytes_of(part)));
        EXPECT_THROW(decoder.decode(bytes_of(part)), PictureLoadError);
    }
    const std::string hung = read_file((samples / "cut_inside_chunk.png").string());
    ASSERT_FALSE(hung.empty());
    EXPECT_THROW(decoder.decode(bytes_of(hung)), PictureLoadError);
    // A chunk claiming more than the file holds, though an end chunk follows.
    std::string liar = whole;
    liar[8 + 25 + 3] = '\x7F';  // the chunk after the header
    EXPECT_FALSE(png_is_complete(bytes_of(liar)));
}

TEST(PictureFormats, OnlyTheProgramsOwnFormatsAreDecoded) {
    const fs::path samples = fs::path(RD_SOURCE_DIR) / "fuzz" / "corpus" / "fuzz_picture_decode";
    SdlPictures decoder;
    for (const char* name : {"tiny.gif", "tiny.jpg", "tiny.bmp", "tiny.ico", "tiny.png"}) {
        SCOPED_TRACE(name);
        const std::string bytes = read_file((samples / name).string());
        ASSERT_FALSE(bytes.empty());
        const Picture p = decoder.decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        ASSERT_TRUE(p);
        EXPECT_GT(p->width, 0);
    }
    // Formats SDL_image reads, but no picture of the program comes in.
    const std::vector<std::pair<const char*, std::string>> others = {
        {"portable bitmap", "P1\n2 2\n0 1\n1 0\n"},
        {"X pixmap", "/* XPM */\nstatic char *x[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n"},
        {"nothing known", "hello, this is not a picture"},
        {"an icon's header cut short", std::string("\0\0\1\0\1", 5)},
        {"a bitmap's header cut short", std::string("BM\x4e\0\0\0\0\0\0\0\x36\0\0\0\x28", 15)},
    };
    for (const auto& [name, bytes] : others) {
        SCOPED_TRACE(name);
        EXPECT_THROW(decoder.decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}), PictureLoadError);
    }
}

std::span<const std::uint8_t> as_bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(PictureSize, EveryHeaderDeclaresTheSizeTheDecoderGives) {
    std::vector<fs::path> files;
    for (const char* folder : {"assets", "resources", "fuzz/corpus/fuzz_picture_decode"})
        for (const auto& e : fs::recursive_directory_iterator(fs::path(RD_SOURCE_DIR) / folder)) {
            const std::string ext = e.path().extension().string();
            const bool sample = std::string(folder).starts_with("fuzz");
            if (sample ? e.path().stem() == "tiny" : (ext == ".GIF" || ext == ".JPG" || ext == ".ICO" || ext == ".png"))
                files.push_back(e.path());
        }
    ASSERT_GT(files.size(), 150u);
    SdlPictures decoder;
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        const std::string bytes = read_file(f.string());
        const auto size = declared_picture_size(as_bytes(bytes));
        ASSERT_TRUE(size);
        const Picture p = decoder.decode(as_bytes(bytes));
        EXPECT_EQ(size->width, static_cast<std::uint32_t>(p->width));
        EXPECT_EQ(size->height, static_cast<std::uint32_t>(p->height));
    }
}

// Each sample with its header made to claim 20,000 pixels on a side, which
// its decoder would allocate (1.2 GB for the JPEG) and fill for seconds.
TEST(PictureSize, AHeaderClaimingAHugePictureIsAFailedLoad) {
    const fs::path samples = fs::path(RD_SOURCE_DIR) / "fuzz" / "corpus" / "fuzz_picture_decode";
    const auto put = [](std::string& b, std::size_t at, std::uint32_t v, int n, bool big_endian) {
        for (int i = 0; i < n; ++i)
            b[at + i] = static_cast<char>(v >> (8 * (big_endian ? n - 1 - i : i)));
    };
    struct Case {
        const char* file;
        void (*spoil)(std::string&, decltype(put)&);
    };
    const std::vector<Case> cases = {
        {"tiny.gif", [](std::string& b, decltype(put)& p) { p(b, 6, 20000, 2, false), p(b, 8, 20000, 2, false); }},
        {"tiny.png", [](std::string& b, decltype(put)& p) { p(b, 16, 20000, 4, true), p(b, 20, 20000, 4, true); }},
        {"tiny.bmp", [](std::string& b, decltype(put)& p) { p(b, 18, 20000, 4, false), p(b, 22, 20000, 4, false); }},
        {"tiny.ico", [](std::string& b, decltype(put)& p) { p(b, 22 + 4, 20000, 4, false), p(b, 22 + 8, 40000, 4, false); }},
        {"tiny.jpg", [](std::string& b, decltype(put)& p) {
             const std::size_t sof = b.find("\xFF\xC0");
             ASSERT_NE(sof, std::string::npos);
             p(b, sof + 5, 20000, 2, true), p(b, sof + 7, 20000, 2, true);
         }},
    };
    SdlPictures decoder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::string bytes = read_file((samples / c.file).string());
        ASSERT_FALSE(bytes.empty());
        c.spoil(bytes, put);
        const auto size = declared_picture_size(as_bytes(bytes));
        ASSERT_TRUE(size);
        EXPECT_EQ(size->width, 20000u);
        EXPECT_EQ(size->height, 20000u);
        EXPECT_THROW(decoder.decode(as_bytes(bytes)), PictureLoadError);
    }
}

}  // namespace
