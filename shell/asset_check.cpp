// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up check of the picture files' lengths.
#include <cstdio>

#include "platform/asset_path.h"
#include "platform/errors.h"
#include "shell/asset_check_table.h"
#include "shell/forma_main.h"

namespace {
// A failed check ends the program; the status and one line on standard error
// tell whoever installed it which file is wrong.
constexpr int kAssetCheckFailed = 3;
}  // namespace

void FormaMain::CheckAssetFiles() {
    for (const AssetCheckEntry& entry : AssetCheckTable) {
        const std::string path = map_asset_path(AssetRoot + entry.name);
        std::int64_t length = 0;
        try {
            length = platform_.runtime.file_length(path);
        } catch (const std::exception&) {
            std::fprintf(stderr, "rainbowdrop: asset file missing or unreadable: %s (expected %u bytes)\n", path.c_str(),
                         entry.length);
            platform_.runtime.end_process(kAssetCheckFailed);
        }
        if (length != static_cast<std::int64_t>(entry.length)) {
            std::fprintf(stderr, "rainbowdrop: asset file has the wrong length: %s (expected %u bytes, found %lld)\n",
                         path.c_str(), entry.length, static_cast<long long>(length));
            trap([&] {
                if (MusicPlaying == 1) StopMusic();
                if (HookHandle != 0) platform_.keyboard.remove(HookHandle);
            });
            platform_.runtime.end_process(kAssetCheckFailed);
        }
    }
}
