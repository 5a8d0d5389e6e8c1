// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P: save the picture beside the program, show the notice, print.
#include <memory>

#include "platform/asset_path.h"
#include "platform/toolkit/canvas.h"
#include "shell/forma_main.h"

namespace {
// The name stays from the program's first days; the content is a bitmap.
const char* const kSavedPicture = "\\MY_PICTURE\\01.GIF";
}  // namespace

void FormaMain::SaveAndPrint() {
    // A held Ctrl+P repeats every 40 ms, and the notice's wait handles keys:
    // without this a child holding the keys would queue job after job.
    if (printing_in_progress) return;
    printing_in_progress = true;
    struct Finished {
        bool& flag;
        ~Finished() { flag = false; }
    } finished{printing_in_progress};

    // 1. What the canvas shows, colouring and all, becomes its picture.
    const PixelBuffer& shown = Slika.displayed();
    auto captured = std::make_shared<PictureData>();
    captured->width = shown.width;
    captured->height = shown.height;
    captured->pixels.reserve(shown.pixels.size());
    for (const std::uint32_t c : shown.pixels) captured->pixels.push_back((c & 0xFFFFFF) | kOpaque);
    Slika.set_picture(captured);

    // 2, 3. Saved as a bitmap (written aside and renamed over the last one,
    // so a failed save never costs the previous picture) and read back.
    const std::string file = AppFolder + kSavedPicture;
    platform_.runtime.save_bitmap(*captured, map_asset_path(file));
    Slika.set_picture(LoadPictureFile(file));

    // 4 to 6.
    PrintPict.set_visible(true);
    WaitThreeSeconds(platform_.runtime, platform_.host);
    PrintPict.set_visible(false);

    // 7 to 9. Whatever the canvas picture is now is printed: a drawing loaded
    // during the wait replaces the saved one. The setting given the value 2
    // is the colour mode: a colouring printed in grey would lose the point,
    // and the 7.8 x 6.25 inch picture fits a portrait A4 or Letter sheet.
    const Picture picture = Slika.picture();
    if (picture) platform_.printer.print_picture(*picture, /*colour=*/true);
}
