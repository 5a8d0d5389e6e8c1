// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas's handlers and the tool buttons, through the whole program on
// the headless back-end with the real drawing files.
#include <gtest/gtest.h>

#include "colouring/palette_table.h"
#include "tests/support/app_fixture.h"

namespace {

constexpr int kCanvasLeft = 30, kCanvasTop = 29;

class Canvas : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    // A white pixel of the drawing whose region does not touch the sheet's
    // edge: label the white areas once, keep the first enclosed one.
    std::pair<int, int> enclosed_white() {
        const PixelBuffer& img = app.f().Slika.image();
        std::vector<int> label(img.pixels.size(), 0);
        int next = 0;
        for (int start = 0; start < static_cast<int>(img.pixels.size()); ++start) {
            if (label[start] || img.pixels[start] != kWhite) continue;
            ++next;
            bool edge = false;
            std::vector<int> stack{start}, members;
            label[start] = next;
            while (!stack.empty()) {
                const int i = stack.back();
                stack.pop_back();
                members.push_back(i);
                const int x = i % img.width, y = i / img.width;
                if (x == 0 || y == 0 || x == img.width - 1 || y == img.height - 1) edge = true;
                const int nb[4] = {x > 0 ? i - 1 : -1, x + 1 < img.width ? i + 1 : -1, y > 0 ? i - img.width : -1,
                                   y + 1 < img.height ? i + img.width : -1};
                for (int j : nb)
                    if (j >= 0 && !label[j] && img.pixels[j] == kWhite) {
                        label[j] = next;
                        stack.push_back(j);
                    }
            }
            if (!edge && members.size() > 200) {
                const int i = members[members.size() / 2];
                return {i % img.width, i / img.width};
            }
        }
        ADD_FAILURE() << "drawing 1 has no enclosed white area";
        return {0, 0};
    }
    std::pair<int, int> black_pixel() {
        const PixelBuffer& img = app.f().Slika.image();
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                if (img.at(x, y) == 0) return {x, y};
        ADD_FAILURE() << "drawing 1 has no outline";
        return {0, 0};
    }
    std::size_t count(Colour c) {
        std::size_t n = 0;
        for (std::uint32_t p : app.f().Slika.image().pixels) n += p == c;
        return n;
    }
    App app;
};

TEST_F(Canvas, StartsWithDrawingOneAndTheFillTool) {
    const Picture one = app.decoder.load(app.folder.file("\\PICTURE\\01.GIF"));
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 750; x += 7) ASSERT_EQ(img.at(x, y), one->at(x, y) & 0xFFFFFF);
    EXPECT_EQ(app.f().FillMode, -1);
    EXPECT_EQ(app.f().CurrentColor, rgb(255, 0, 0));
    EXPECT_EQ(app.screen(kCanvasLeft + 10, kCanvasTop + 10), img.at(10, 10));
}

TEST_F(Canvas, LeftClickFillsTheAreaRedAndPlaysTheFillSound) {
    auto [x, y] = enclosed_white();
    const std::size_t black_before = count(0);
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().at(x, y), rgb(255, 0, 0));
    EXPECT_EQ(app.screen(kCanvasLeft + x, kCanvasTop + y), rgb(255, 0, 0)) << "visible before the next event";
    EXPECT_EQ(count(0), black_before) << "the outline stays";
    ASSERT_EQ(app.hp.sound.played.size(), 1u);
    EXPECT_EQ(app.hp.sound.played[0], app.folder.file("\\SOUND\\FILL.WAV"));
    EXPECT_EQ(app.f().LastX, x);
    EXPECT_EQ(app.f().LastY, y);
}

TEST_F(Canvas, PressOnTheOutlineDoesNothing) {
    auto [x, y] = black_pixel();
    const auto before = app.f().Slika.image().pixels;
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().pixels, before);
    EXPECT_TRUE(app.hp.sound.played.empty());
}

TEST_F(Canvas, OutlineGuardCoversValuesZeroToNineOnly) {
    PixelBuffer& img = app.f().Slika.image();
    for (Colour seed : {rgb(9, 0, 0), rgb(10, 0, 0), rgb(30, 30, 30)}) {
        img.at(700, 500) = seed;
        app.hp.sound.played.clear();
        app.f().Slika_MouseDown(mouse::kLeft, 0, 700, 500);
        const bool filled = img.at(700, 500) == app.f().CurrentColor;
        EXPECT_EQ(filled, seed > 9) << std::hex << seed;
        EXPECT_EQ(app.hp.sound.played.size(), seed > 9 ? 1u : 0u);
    }
}

TEST_F(Canvas, RightOrMiddlePressWithFillToolOnlyPlaysTheSound) {
    auto [x, y] = enclosed_white();
    const auto before = app.f().Slika.image().pixels;
    app.click(kCanvasLeft + x, kCanvasTop + y, mouse::kRight);
    app.click(kCanvasLeft + x, kCanvasTop + y, mouse::kMiddle);
    EXPECT_EQ(app.f().Slika.image().pixels, before);
    EXPECT_EQ(app.hp.sound.played.size(), 2u);
}

TEST_F(Canvas, FillingWithTheSameColourChangesNothingButSounds) {
    auto [x, y] = enclosed_white();
    app.f().CurrentColor = kWhite;
    const auto before = app.f().Slika.image().pixels;
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().pixels, before);
    EXPECT_EQ(app.hp.sound.played.size(), 1u);
}

TEST_F(Canvas, SilentWithEffectsOff) {
    app.f().SoundEffectsOn = 0;
    auto [x, y] = enclosed_white();
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().at(x, y), rgb(255, 0, 0));
    EXPECT_TRUE(app.hp.sound.played.empty());
}

TEST_F(Canvas, BrushDrawsOnlyWhileTheLeftButtonAloneIsHeld) {
    app.click_on(ctl::olovka);
    EXPECT_EQ(app.f().FillMode, 0);
    PixelBuffer& img = app.f().Slika.image();
    for (auto& p : img.pixels) p = kWhite;
    // press and release without moving: no mark, no sound
    app.click(kCanvasLeft + 100, kCanvasTop + 100);
    EXPECT_EQ(count(rgb(255, 0, 0)), 0u);
    EXPECT_TRUE(app.hp.sound.played.empty());
    // a stroke
    app.press(kCanvasLeft + 100, kCanvasTop + 100);
    app.move(kCanvasLeft + 140, kCanvasTop + 100);
    app.move(kCanvasLeft + 140, kCanvasTop + 130);
    app.release(kCanvasLeft + 140, kCanvasTop + 130);
    EXPECT_EQ(img.at(120, 100), rgb(255, 0, 0));
    EXPECT_EQ(img.at(140, 115), rgb(255, 0, 0));
    EXPECT_EQ(img.at(120, 102), kWhite) << "3 pixels wide";
    EXPECT_EQ(app.screen(kCanvasLeft + 120, kCanvasTop + 100), rgb(255, 0, 0));
    // left and right together draw nothing
    const std::size_t red = count(rgb(255, 0, 0));
    app.press(kCanvasLeft + 300, kCanvasTop + 300);
    app.press(kCanvasLeft + 300, kCanvasTop + 300, mouse::kRight);
    app.move(kCanvasLeft + 350, kCanvasTop + 300);
    app.release(kCanvasLeft + 350, kCanvasTop + 300, mouse::kRight);
    app.release(kCanvasLeft + 350, kCanvasTop + 300);
    EXPECT_EQ(count(rgb(255, 0, 0)), red);
}

TEST_F(Canvas, StrokeDraggedOffTheCanvasKeepsDrawingInside) {
    app.click_on(ctl::olovka);
    PixelBuffer& img = app.f().Slika.image();
    for (auto& p : img.pixels) p = kWhite;
    app.press(kCanvasLeft + 700, kCanvasTop + 300);
    app.move(900, kCanvasTop + 300);   // over the buttons on the right
    app.move(900, kCanvasTop + 320);
    app.move(kCanvasLeft + 700, kCanvasTop + 320);  // and back in
    app.release(kCanvasLeft + 700, kCanvasTop + 320);
    EXPECT_EQ(img.at(749, 300), rgb(255, 0, 0));
    EXPECT_EQ(img.at(720, 320), rgb(255, 0, 0));
}

TEST_F(Canvas, ToolButtonsSwitchImagesAndPointerAndKeepThePainting) {
    auto [x, y] = enclosed_white();
    app.click(kCanvasLeft + x, kCanvasTop + y);
    app.click_on(ctl::olovka);
    EXPECT_EQ(app.shows(ctl::olovka), "OLOVKA1.JPG");
    EXPECT_EQ(app.shows(ctl::kapljica), "KAPLJICA2.JPG");
    ASSERT_TRUE(app.f().Slika.MouseIcon());
    EXPECT_EQ(app.f().Slika.MouseIcon()->picture->width, 32);
    app.click_on(ctl::kapljica);
    EXPECT_EQ(app.f().FillMode, -1);
    EXPECT_EQ(app.shows(ctl::olovka), "OLOVKA2.JPG");
    EXPECT_EQ(app.shows(ctl::kapljica), "KAPLJICA1.JPG");
    EXPECT_EQ(app.f().Slika.image().at(x, y), rgb(255, 0, 0));
}

TEST_F(Canvas, AMissingPointerFileEndsTheToolHandlerNotTheProgram) {
    app.hp.pictures.failing.insert(app.folder.file("\\PICTURE\\CETKA.ICO"));
    app.click_on(ctl::olovka);
    EXPECT_EQ(app.f().FillMode, 0) << "the steps before the failing one stay done";
    EXPECT_EQ(app.shows(ctl::olovka), "OLOVKA1.JPG");
    app.click_on(ctl::kapljica);
    EXPECT_EQ(app.f().FillMode, -1);
}

TEST_F(Canvas, NonPaintingMoveRestoresTheFiveButtonsInOrder) {
    app.hp.pictures.loads.clear();
    app.move(kCanvasLeft + 10, kCanvasTop + 10);
    const std::vector<std::string> expected = {
        app.folder.file("\\PICTURE\\MOREIMAGES1.JPG"), app.folder.file("\\PICTURE\\GUMICA1.JPG"),
        app.folder.file("\\PICTURE\\PAPIR1.JPG"), app.folder.file("\\PICTURE\\ZVUCNIK1.JPG"),
        app.folder.file("\\PICTURE\\MUSICOFF2.JPG")};
    EXPECT_EQ(app.hp.pictures.loads, expected);
}

TEST_F(Canvas, PaintedBlackStaysFillable) {
    auto [x, y] = enclosed_white();
    app.f().CurrentColor = kPalette[11].colour;
    app.click(kCanvasLeft + x, kCanvasTop + y);
    app.f().CurrentColor = rgb(0, 0, 255);
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().at(x, y), rgb(0, 0, 255));
}

}  // namespace
