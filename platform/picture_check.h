// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Strict readings of a picture's structure, done before the bytes reach the
// system's decoders, which trust what they read: the GIF decoder follows a
// code beyond its table, and the PNG reader, given a file that ends inside a
// chunk, reads the same stale bytes again for ever. A few bytes spoiled on
// disk would take the whole program down or hang it. A picture that fails
// here is treated as unreadable.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// True when bytes begin with a GIF signature.
bool looks_like_gif(std::span<const std::uint8_t> bytes);

// A GIF's screen and its first image, as their headers give them.
struct GifFirstImage {
    unsigned screen_width = 0;
    unsigned screen_height = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned code_size = 0;  // the LZW minimum code size
};

// Reads a GIF from its signature through its first image's pixel data,
// appending that data (the sub-blocks' contents) to data when given.
// Nothing when any part is cut short or a stray byte stands before the
// image.
std::optional<GifFirstImage> read_gif_first_image(std::span<const std::uint8_t> bytes,
                                                  std::vector<std::uint8_t>* data = nullptr);

// True when the first image of the GIF is whole and every code of its pixel
// data refers to an entry the decoder has already built: the header and
// colour tables are complete, every block before the image ends inside the
// file, the image has pixels, the code size is 2..8, and the codes give
// every pixel of the image before the end code or the end of the data.
bool gif_is_well_formed(std::span<const std::uint8_t> bytes);

// True when bytes begin with the PNG signature.
bool looks_like_png(std::span<const std::uint8_t> bytes);

// True when every chunk of the PNG, up to and including its end chunk,
// lies whole inside the bytes: the reader never reaches the end of the data.
bool png_is_complete(std::span<const std::uint8_t> bytes);
