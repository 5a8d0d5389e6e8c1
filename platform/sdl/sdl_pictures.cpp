// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_pictures.h"

#include <SDL.h>
#include <SDL_image.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/picture_check.h"
#include "platform/picture_size.h"

namespace {

// Any surface SDL_image gives (RGB24 JPEG, INDEX8 GIF, BGR24 BMP, ARGB icon)
// becomes 0xAABBGGRR pixels.
Picture from_surface(SDL_Surface* loaded, const std::string& what) {
    if (!loaded) throw PictureLoadError("not a picture: " + what + " (" + SDL_GetError() + ")");
    SDL_Surface* s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
    SDL_FreeSurface(loaded);
    if (!s) throw PictureLoadError("cannot convert " + what);
    auto p = std::make_shared<PictureData>();
    p->width = s->w;
    p->height = s->h;
    p->pixels.resize(static_cast<std::size_t>(s->w) * s->h);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
        std::copy(row, row + s->w, p->pixels.begin() + static_cast<std::ptrdiff_t>(y) * s->w);
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return p;
}

// Far beyond any picture of the program; a bigger file is not one of ours.
constexpr long long kLargestPictureFile = 64LL << 20;

// The formats the program's pictures come in: the drawings (GIF), the
// screens and buttons (JPEG), the icons (ICO), a saved picture (BMP) and the
// built-in pointers (PNG). SDL_image can read a dozen more, each one more
// decoder a spoiled file could reach, so only these are tried, each by its
// signature.
struct Format {
    int (*is)(SDL_RWops*);
    SDL_Surface* (*load)(SDL_RWops*);
};
constexpr Format kFormats[] = {
    {IMG_isGIF, IMG_LoadGIF_RW}, {IMG_isJPG, IMG_LoadJPG_RW}, {IMG_isBMP, IMG_LoadBMP_RW},
    {IMG_isICO, IMG_LoadICO_RW}, {IMG_isCUR, IMG_LoadCUR_RW}, {IMG_isPNG, IMG_LoadPNG_RW},
};

struct RwCloser {
    void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};

// Every picture goes through here, from memory: the bytes that were checked
// are the bytes that are decoded.
Picture decode_checked(std::span<const std::uint8_t> bytes, const std::string& what) {
    if (looks_like_gif(bytes) && !gif_is_well_formed(bytes)) throw PictureLoadError("damaged GIF: " + what);
    if (looks_like_png(bytes) && !png_is_complete(bytes)) throw PictureLoadError("damaged PNG: " + what);
    const std::optional<PictureSize> size = declared_picture_size(bytes);
    if (!size) throw PictureLoadError("not a picture: " + what);
    if (size->width > kLargestPictureSide || size->height > kLargestPictureSide)
        throw PictureLoadError("too large for a picture of this program: " + what);
    std::unique_ptr<SDL_RWops, RwCloser> rw(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())));
    if (!rw) throw PictureLoadError("cannot read " + what);
    for (const Format& f : kFormats)
        if (f.is(rw.get())) return from_surface(f.load(rw.get()), what);
    throw PictureLoadError("not a picture: " + what);
}

std::vector<std::uint8_t> read_whole_file(const std::string& path, long long size) {
    if (size > kLargestPictureFile) throw PictureLoadError("too large for a picture: " + path);
    // A file that shrank since it was looked at gives what is left.
    std::optional<std::vector<std::uint8_t>> bytes = read_file_bytes(path, static_cast<std::size_t>(size));
    if (!bytes) throw PictureLoadError("unreadable: " + path);
    return std::move(*bytes);
}

// The clock that file time stamps come from.
long long now_ns() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

// Longer than a kernel tick at the slowest common rate (100 Hz).
constexpr long long kTimestampGrainNs = 20'000'000;

}  // namespace

Picture SdlPictures::decode(std::span<const std::uint8_t> bytes) {
    ++decodes_;
    return decode_checked(bytes, "picture bytes");
}

Picture SdlPictures::decode_file(const std::string& path, long long size) {
    const std::vector<std::uint8_t> bytes = read_whole_file(path, size);
    ++decodes_;
    return decode_checked(bytes, path);
}

Picture SdlPictures::load_uncached(const std::string& path) {
    const std::optional<FileStatus> st = regular_file_status(path);
    if (!st) throw PictureLoadError("missing: " + path);
    return decode_file(path, st->size);
}

Picture SdlPictures::load(const std::string& path) {
    const long long looked_at = now_ns();
    const std::optional<FileStatus> st = regular_file_status(path);
    if (!st) {
        cache_.erase(path);
        throw PictureLoadError("missing: " + path);
    }
    const long long mtime = st->mtime_ns;
    // The change time cannot be set back: a file rewritten in place with its
    // old size and modification time (cp -p, tar) still shows as changed.
    const long long ctime = st->ctime_ns;
    const long long inode = st->id;
    auto it = cache_.find(path);
    if (it != cache_.end() && st->readable && it->second.settled && it->second.size == st->size && it->second.mtime_ns == mtime &&
        it->second.ctime_ns == ctime && it->second.inode == inode)
        return it->second.picture;  // a change of permissions would have changed the change time
    cache_.erase(path);
    Picture p = decode_file(path, st->size);
    // File time stamps come from a coarse clock (one kernel tick): a write
    // within the same tick as the last change would leave every stamp as it
    // is. Once a tick has surely passed before the look, any later write
    // gets a later stamp.
    const bool settled = looked_at - ctime > kTimestampGrainNs;
    cache_[path] = Entry{st->size, mtime, ctime, inode, settled, p};
    return p;
}
