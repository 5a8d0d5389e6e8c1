// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// PlayEffect: every sound effect of the program goes through here.
#include "platform/asset_path.h"
#include "shell/forma_main.h"

void FormaMain::PlayEffect(const std::string& name) {
    if (SoundEffectsOn == 0) return;
    try {
        platform_.sound.play_async(map_asset_path(AssetRoot + name));
    } catch (...) {
        // A missing or broken sound is silence, never a failure of the caller.
    }
}
