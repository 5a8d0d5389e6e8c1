// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The music switch, its repeat timer and the effects switch.
#include "platform/asset_path.h"
#include "platform/errors.h"
#include "shell/forma_main.h"

namespace {
constexpr const char* kMusicFile = "\\MUSIC\\001.MID";  // appended to AppFolder
constexpr std::uint8_t kQuiet = 0;     // every click, before it decides
constexpr std::uint8_t kPlaying = 75;  // just before the tune starts
}  // namespace

void FormaMain::SetVolume(std::uint8_t nVolume) {
    trap([&] { platform_.music.set_volume(static_cast<std::int16_t>(nVolume * 42 - 3000)); });
}

void FormaMain::MusicOn_Click() {
    trap([&] {
        // The engine is set up at every click; a failure here leaves the
        // switch as it was.
        MusicDx = true;
        MusicLoader = true;
        platform_.music.open();
        MusicPerformance = true;
        SetVolume(kQuiet);

        if (MusicOff == 1) {
            // The flags change first: a file that cannot be loaded leaves the
            // switch on with nothing playing, and the next click turns it off.
            MusicPlaying = 1;
            MusicOff = 0;
            platform_.music.load(map_asset_path(AppFolder + kMusicFile));
            MusicSegment = true;
            SetVolume(kPlaying);
            platform_.music.play();
            MusicSegmentState = true;
            tmrRepeat.set_enabled(true, window().now());
        } else if (MusicOff == 0) {
            platform_.music.stop();
            tmrRepeat.set_enabled(false, window().now());
            MusicPlaying = 0;
            MusicOff = 1;
        }
    });
}

void FormaMain::tmrRepeat_Timer() {
    trap([&] {
        if (!MusicSegment) return;
        const bool still_playing = platform_.music.is_playing();
        lblPlay.Caption = "";
        if (still_playing) return;
        // Ended: start it again from the top. A failure here is retried at the next tick.
        platform_.music.play();
        MusicSegmentState = true;
    });
}

void FormaMain::StopMusic() {
    trap([&] {
        platform_.music.stop();
        tmrRepeat.set_enabled(false, window().now());
        MusicPlaying = 0;  // MusicOff stays: the program is on its way out
    });
}

void FormaMain::MuteWave_Click() {
    trap([&] { SoundEffectsOn = SoundEffectsOn == 1 ? 0 : 1; });
}
