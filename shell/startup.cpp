// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the exit sequence and unloading.
#include <cstdio>

#include "platform/asset_path.h"
#include "platform/errors.h"
#include "shell/forma_main.h"
#include "shell/keyboard_filter.h"

void WaitThreeSeconds(IRuntime& runtime, IHost& host) {
    constexpr double kPause = 3.0;
    const double deadline = runtime.seconds() + kPause;
    // Sleeps until the next event or the deadline; every event is handled at once.
    while (runtime.seconds() < deadline) host.wait_events_until(deadline);
}

void FormaMain::Form_Load() {
    trap([&] {
        // 1. The key filter is active from the first moment.
        try {
            HookHandle = platform_.keyboard.install(&KeyboardFilterProc);
        } catch (const std::exception&) {
            HookHandle = 0;
        }
        // 2, 3. The two forms of the program folder. On a file system that
        // tells letter case apart, upper-casing the folder would name another
        // folder, so AssetRoot keeps the case the platform reports.
        const std::string folder = platform_.runtime.program_folder();
        AppFolder = folder;
        // The separator the folder is written with: a Windows folder has only backslashes.
        const bool backslashes = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
        if (AppFolder.empty() || (AppFolder.back() != '/' && AppFolder.back() != '\\')) AppFolder += backslashes ? '\\' : '/';
        AssetRoot = platform_.runtime.program_folder();
        // 4.
        platform_.runtime.set_current_directory(AssetRoot.empty() ? "/" : AssetRoot);
        // 5, 6.
        FillMode = -1;
        platform_.host.show_window(false);
        // 7. A companion that cannot start must not leave the window hidden
        // for good while the key filter runs: start-up carries on.
        try {
            platform_.shell.start_program(map_asset_path(AssetRoot + "\\MARIGOLD.EXE"));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "rainbowdrop: the start-up splash could not be shown (%s)\n", e.what());
        }
        // 8, 9, 10.
        WaitThreeSeconds(platform_.runtime, platform_.host);
        platform_.host.show_window(true);
        CheckAssetFiles();
        // 11.
        CurrentColor = rgb(255, 0, 0);
        MusicOff = 1;
        SoundEffectsOn = 1;
        GalleryOpen = 0;
        CurrentPicture = 1;
        ColourSelected[1] = 0;
        // 12. A display that cannot be switched leaves the program running in
        // the mode it has.
        DisplayDx = true;
        platform_.display.take_over();
        DisplayDraw = true;
        PrimarySurfaceDesc.flags = 1;
        PrimarySurfaceDesc.caps = 512;
        PrimarySurface = true;
        // 13.
        WaitThreeSeconds(platform_.runtime, platform_.host);
    });
}

void FormaMain::QuitProgram() {
    trap([&] {
        if (!DisplayDraw) throw PlatformError("the display was never taken over");
        platform_.display.restore_mode();
        Form_Unload();
    });
}

void FormaMain::Form_Unload() {
    trap([&] {
        if (HookHandle != 0) platform_.keyboard.remove(HookHandle);
        if (MusicPerformance) {
            platform_.music.close();
            MusicPerformance = false;
        }
    });
}

void FormaMain::Da_Click() {
    trap([&] {
        if (MusicPlaying == 1) StopMusic();
        QuitProgram();
        // The unload handler removed the hook already; removing it twice is harmless.
        if (HookHandle != 0) platform_.keyboard.remove(HookHandle);
    });
    platform_.runtime.end_process(0);
}
