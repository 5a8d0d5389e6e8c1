// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on the headless back-end, with the real asset files in a
// temporary program folder and the real picture decoder.
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_pictures.h"
#include "shell/forma_main.h"
#include "tests/support/program_folder.h"

class App {
public:
    App();
    // Runs the start-up sequence (the waits pass on the virtual clock).
    void start();

    // Input as the user makes it, in window coordinates; handled at once.
    void move(int x, int y);
    void press(int x, int y, int button = mouse::kLeft);
    void release(int x, int y, int button = mouse::kLeft);
    void click(int x, int y, int button = mouse::kLeft);
    void click_on(int control, int button = mouse::kLeft);  // at the box's centre
    void hover(int control);                                // a move over the box's centre
    void key(int vk, int shift = 0);

    // The colour (0x00BBGGRR) shown at a window pixel after composing.
    Colour screen(int x, int y);
    // The file name (e.g. "BOJE1_03.JPG") of the picture a box shows, found
    // by comparing with the asset files; empty when none matches.
    std::string shows(int control);

    ProgramFolder folder;
    SdlPictures decoder;
    HeadlessPlatform hp;
    std::unique_ptr<FormaMain> form;
    FormaMain& f() { return *form; }
    Window& window() { return form->window(); }
};

// True when two pictures have the same pixels.
bool same_pixels(const PictureData& a, const PictureData& b);
