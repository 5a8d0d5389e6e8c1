// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size a picture's header declares, read before any decoder runs: a
// decoder allocates what the header asks for and then fills all of it, so a
// spoiled header that claims 20,000 x 20,000 pixels would hold the program
// for seconds and take gigabytes, though the file has a few bytes of data.
#include <cstdint>
#include <optional>
#include <span>

struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// The largest side of any picture the program reads (its own are 1024 at
// most), with room to spare.
inline constexpr std::uint32_t kLargestPictureSide = 4096;

// The largest size that a GIF, JPEG, PNG, BMP, ICO or CUR header declares
// (for an icon, the largest of its images); nothing when the bytes are none
// of these or their header cannot be read. Decodes nothing.
std::optional<PictureSize> declared_picture_size(std::span<const std::uint8_t> bytes);
