// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Picture loading of arbitrary bytes through our loader: it either gives a
// whole picture or throws PictureLoadError. Anything else (a crash, another
// exception, a picture whose pixels do not match its size) is a finding. (A
// header may declare an empty picture; the toolkit draws one as nothing.)
//
// A header may claim any size, and the decoder then asks for that much
// memory. Here SDL's allocations beyond a generous cap fail, as they do on a
// machine without the memory: that too must end in PictureLoadError.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "platform/errors.h"
#include "platform/sdl/sdl_pictures.h"

namespace {

// Far above any picture of the program (1024 x 768 x 4 bytes).
constexpr std::size_t kAllocationCap = 64u << 20;

void* capped_malloc(std::size_t n) { return n > kAllocationCap ? nullptr : std::malloc(n); }
void* capped_calloc(std::size_t count, std::size_t n) {
    return count != 0 && n > kAllocationCap / count ? nullptr : std::calloc(count, n);
}
void* capped_realloc(void* p, std::size_t n) { return n > kAllocationCap ? nullptr : std::realloc(p, n); }
void plain_free(void* p) { std::free(p); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SDL_SetMemoryFunctions(capped_malloc, capped_calloc, capped_realloc, plain_free);
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SdlPictures decoder;
    try {
        const Picture p = decoder.decode(std::span<const std::uint8_t>(data, size));
        if (!p || p->width < 0 || p->height < 0 ||
            p->pixels.size() != static_cast<std::size_t>(p->width) * static_cast<std::size_t>(p->height)) {
            std::fprintf(stderr, "FINDING: a picture whose pixels do not match its size\n");
            std::abort();
        }
    } catch (const PictureLoadError&) {
    }
    return 0;
}
