// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps the save-and-print tests share: Ctrl+P, colouring the canvas,
// reading back the saved file.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace save_print_steps {

namespace fs = std::filesystem;

constexpr int W = 750, H = 600;
constexpr int kKeyP = 80;

inline std::string saved_path(App& app) { return app.folder.file("\\MY_PICTURE\\01.GIF"); }

inline void ctrl_p(App& app) { app.key(kKeyP, shiftmask::kCtrl); }

// Colours the area under the first white pixel found from (sx, sy) onwards.
inline void fill_at_first_white(App& app, int sx, int sy, Colour c) {
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = sy; y < H; y += 5)
        for (int x = sx; x < W; x += 5)
            if (img.at(x, y) == kWhite) {
                app.f().FillMode = -1;
                app.f().CurrentColor = c;
                app.click(30 + x, 29 + y);
                ASSERT_EQ(img.at(x, y), c);
                return;
            }
    FAIL() << "no white pixel left to colour";
}

// The canvas as shown, plus a brush stroke on top of the fill, so the
// capture has more than one kind of painting to keep.
inline std::vector<std::uint32_t> colour_the_canvas(App& app) {
    fill_at_first_white(app, 0, 0, rgb(52, 204, 103));
    app.f().FillMode = 0;
    app.f().CurrentColor = rgb(0, 0, 255);
    app.press(30 + 100, 29 + 100);
    app.hp.host.post({InputEvent::Type::MouseMove, 30 + 300, 29 + 140, mouse::kLeft, 0, 0});
    app.hp.host.run_pending();
    app.release(30 + 300, 29 + 140);
    return app.f().Slika.displayed().pixels;
}

// The saved file decoded by SDL_image, as 0x00BBGGRR.
inline std::vector<std::uint32_t> decoded(App& app, const std::string& path) {
    const Picture p = app.decoder.load_uncached(path);
    EXPECT_EQ(p->width, W);
    EXPECT_EQ(p->height, H);
    std::vector<std::uint32_t> px;
    for (std::uint32_t c : p->pixels) px.push_back(c & 0xFFFFFF);
    return px;
}

inline std::vector<std::uint32_t> rgb_of(const PictureData& p) {
    std::vector<std::uint32_t> px;
    for (std::uint32_t c : p.pixels) px.push_back(c & 0xFFFFFF);
    return px;
}

inline std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
}

inline int count(const std::vector<std::string>& log, const std::string& prefix) {
    int n = 0;
    for (const std::string& e : log) n += e.rfind(prefix, 0) == 0;
    return n;
}

}  // namespace save_print_steps
using namespace save_print_steps;
