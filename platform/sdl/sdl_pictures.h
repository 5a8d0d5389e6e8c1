// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture decoding with SDL_image (JPEG, GIF, icons, PNG), with a cache of
// decoded pictures keyed by the file's identity: a missing, changed or
// corrupt file behaves exactly as if nothing were cached.
#include <map>
#include <string>

#include "platform/services.h"

class SdlPictures : public IPictures {
public:
    Picture load(const std::string& path) override;
    Picture decode(std::span<const std::uint8_t> bytes) override;

    // Decodes every time, bypassing the cache (for measuring).
    Picture load_uncached(const std::string& path);
    std::size_t decodes() const { return decodes_; }

private:
    // Reads the file of the given size whole and decodes it. Throws
    // PictureLoadError.
    Picture decode_file(const std::string& path, long long size);

    struct Entry {
        long long size;
        long long mtime_ns;
        long long ctime_ns;
        long long inode;
        // False while the file was so freshly written that another write of
        // the same size could still get the same time stamps.
        bool settled;
        Picture picture;
    };
    std::map<std::string, Entry> cache_;
    std::size_t decodes_ = 0;
};
