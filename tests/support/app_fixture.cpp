// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/app_fixture.h"

#include <SDL_image.h>

#include <filesystem>

namespace fs = std::filesystem;

App::App() : hp(decoder, folder.path()) {
    form = std::make_unique<FormaMain>(hp.platform());
    hp.host.attach(&form->window());
}

void App::start() { form->Form_Load(); }

void App::move(int x, int y) {
    hp.host.post({InputEvent::Type::MouseMove, x, y, 0, 0, 0});
    hp.host.run_pending();
}
void App::press(int x, int y, int button) {
    hp.host.post({InputEvent::Type::MouseDown, x, y, button, 0, 0});
    hp.host.run_pending();
}
void App::release(int x, int y, int button) {
    hp.host.post({InputEvent::Type::MouseUp, x, y, button, 0, 0});
    hp.host.run_pending();
}
void App::click(int x, int y, int button) {
    press(x, y, button);
    release(x, y, button);
}
void App::click_on(int control, int button) {
    const Rect r = window().box(control).bounds();
    click(r.x + r.w / 2, r.y + r.h / 2, button);
}
void App::hover(int control) {
    const Rect r = window().box(control).bounds();
    move(r.x + r.w / 2, r.y + r.h / 2);
}
void App::key(int vk, int shift) {
    hp.host.post({InputEvent::Type::KeyDown, 0, 0, 0, shift, vk});
    hp.host.run_pending();
}

Colour App::screen(int x, int y) {
    window().compose();
    return window().frame()[static_cast<std::size_t>(y) * Window::kWidth + x] & 0xFFFFFF;
}

bool same_pixels(const PictureData& a, const PictureData& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

std::string App::shows(int control) {
    const Picture& p = window().box(control).picture();
    if (!p) return "";
    for (const auto& entry : fs::directory_iterator(folder.path() + "PICTURE")) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 4 || name.substr(name.size() - 4) != ".JPG") continue;
        try {
            const Picture candidate = decoder.load(entry.path().string());
            if (candidate == p || same_pixels(*candidate, *p)) return name;
        } catch (const std::exception&) {
        }
    }
    return "";
}
