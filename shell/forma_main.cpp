// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/forma_main.h"

#include <map>

#include "platform/asset_path.h"
#include "platform/embedded.h"
#include "platform/errors.h"
#include "screens/window_definition.h"

namespace {

Picture embedded_picture(IPictures& pictures, std::string_view name) {
    return pictures.decode(embedded_file(name));
}

Window& build_window(Window& window, IPictures& pictures) {
    // Each pointer image is decoded once and shared by every box that shows it.
    std::map<PointerKind, Cursor> pointers;
    for (const PointerDefinition& p : kPointerDefinitions)
        pointers[p.kind] = std::make_shared<CursorImage>(CursorImage{embedded_picture(pictures, p.image), p.hot_x, p.hot_y});
    for (const ControlDefinition& d : kWindowDefinition) {
        const Rect r{d.left, d.top, d.width, d.height};
        PictureBox& box = d.id == ctl::Slika ? window.add_canvas(d.id, std::string(d.name), r, d.background, d.focus_order)
                                             : window.add_box(d.id, std::string(d.name), r, d.background, d.focus_order);
        if (!d.initial_picture.empty()) box.set_picture(embedded_picture(pictures, d.initial_picture));
        box.set_visible(d.visible);
        if (auto it = pointers.find(d.pointer); it != pointers.end()) box.set_cursor(it->second);
    }
    window.set_stacking_front_to_back({kStackingFrontToBack.begin(), kStackingFrontToBack.end()});
    window.set_background(embedded_picture(pictures, kWindowBackgroundPicture));
    window.set_window_cursor(pointers.at(PointerKind::Arrow));
    window.add_timer(ctl::tmrRepeat, kRepeatTimerIntervalMs);
    return window;
}

}  // namespace

FormaMain::FormaMain(Platform& platform)
    : platform_(platform),
      window_([this] { return platform_.runtime.seconds(); }),
      Slika(static_cast<Canvas&>(build_window(window_, platform.pictures).box(ctl::Slika))),
      MusicOn(window_.box(ctl::MusicOn)),
      MuteWave(window_.box(ctl::MuteWave)),
      MoreImages(window_.box(ctl::MoreImages)),
      kapljica(window_.box(ctl::kapljica)),
      olovka(window_.box(ctl::olovka)),
      Rubber(window_.box(ctl::Rubber)),
      Papir(window_.box(ctl::Papir)),
      Back(window_.box(ctl::Back)),
      Izlaz(window_.box(ctl::Izlaz)),
      Da(window_.box(ctl::Da)),
      Ne(window_.box(ctl::Ne)),
      Registered(window_.box(ctl::Registered)),
      visit_site(window_.box(ctl::visit_site)),
      Firma(window_.box(ctl::Firma)),
      Zatvori(window_.box(ctl::Zatvori)),
      PrintPict(window_.box(ctl::PrintPict)),
      lblPlay{ctl::lblPlay, 816, 176, 9, 9, false, "lblPlay", ""},
      tmrRepeat(window_.timer(ctl::tmrRepeat)) {
    window_.set_sink(this);
}

FormaMain::~FormaMain() = default;

Picture FormaMain::LoadPictureFile(const std::string& full_classic_path) {
    return platform_.pictures.load(map_asset_path(full_classic_path));
}

Picture FormaMain::LoadPicture(const std::string& relative_name) { return LoadPictureFile(AssetRoot + relative_name); }

Cursor FormaMain::LoadCursor(const std::string& relative_name, int hot_x, int hot_y) {
    return std::make_shared<CursorImage>(CursorImage{LoadPicture(relative_name), hot_x, hot_y});
}
