#pragma once
// A strict reading of a GIF's structure and LZW code stream, done before the
// bytes reach the system's GIF decoder: that decoder follows a code beyond
// its table without checking, and a few bytes spoiled on disk would take the
// whole program down. A drawing that fails here is treated as unreadable.
#include <cstdint>
#include <span>

// True when bytes begin with a GIF signature.
bool looks_like_gif(std::span<const std::uint8_t> bytes);

// True when the first image of the GIF is whole and every code of its pixel
// data refers to an entry the decoder has already built: the header and
// colour tables are complete, every block before the image ends inside the
// file, the image has pixels, the code size is 2..8, and the codes give
// every pixel of the image before the end code or the end of the data.
bool gif_is_well_formed(std::span<const std::uint8_t> bytes);
