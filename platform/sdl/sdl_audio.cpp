// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/midi_check.h"

namespace {
// The one channel the effects share, so that each new one replaces the last.
constexpr int kEffectChannel = 0;

// A whole standard MIDI file, bare or in a RIFF wrapper. The synthesiser
// would take anything: noise it plays as silence, or, on Windows, reads
// without end while the program stops answering. So the load checks what it
// was given, on every system alike.
bool is_sound_midi(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = read_file_bytes(path);
    return bytes && midi_is_well_formed(*bytes);
}

// A RIFF WAVE file, the only kind of effect the program has. Anything else
// would reach the mixer's other decoders, some of which take random bytes for
// a sound and play noise.
bool looks_like_wave(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> head = read_file_bytes(path, 12);
    if (!head || head->size() < 12) return false;
    const std::string_view h(reinterpret_cast<const char*>(head->data()), head->size());
    return h.substr(0, 4) == "RIFF" && h.substr(8, 4) == "WAVE";
}
}  // namespace

bool open_sdl_audio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "rainbowdrop: no sound output, playing silently (%s)\n", SDL_GetError());
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    if (char* base = SDL_GetBasePath()) {
        prepare_midi_output(base);
        SDL_free(base);
    }
    if (Mix_OpenAudio(kAudioRate, AUDIO_S16SYS, kAudioChannels, kAudioBufferFrames) != 0) {
        std::fprintf(stderr, "rainbowdrop: no sound output, playing silently (%s)\n", Mix_GetError());
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

bool sdl_audio_is_open() {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0;
}

void close_sdl_audio() {
    if (!sdl_audio_is_open()) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    while (sdl_audio_is_open()) Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int mixer_music_volume(int hundredths_db) {
    const double gain = std::pow(10.0, hundredths_db / 2000.0);
    return static_cast<int>(std::clamp(std::lround(gain * MIX_MAX_VOLUME), 0L, static_cast<long>(MIX_MAX_VOLUME)));
}

bool identify_file(const std::string& path, FileIdentity& out) {
    const std::optional<FileStatus> st = regular_file_status(path);
    if (!st || !file_is_readable(path)) return false;
    out.size = st->size;
    out.mtime_ns = st->mtime_ns;
    out.inode = st->id;
    return true;
}

// ---- Effects ----

SdlSound::~SdlSound() {
    if (sdl_audio_is_open()) Mix_HaltChannel(kEffectChannel);
    for (auto& [path, entry] : cache_) Mix_FreeChunk(entry.chunk);
}

void SdlSound::play_async(const std::string& path) {
    if (!sdl_audio_is_open()) return;
    // Every request ends the effect in progress, even one that cannot play.
    Mix_HaltChannel(kEffectChannel);
    FileIdentity identity;
    const bool readable = identify_file(path, identity);
    auto it = cache_.find(path);
    if (it != cache_.end() && (!readable || !(it->second.identity == identity))) {
        Mix_FreeChunk(it->second.chunk);
        cache_.erase(it);
        it = cache_.end();
    }
    if (!readable) return;
    if (it == cache_.end()) {
        Mix_Chunk* chunk = looks_like_wave(path) ? Mix_LoadWAV(path.c_str()) : nullptr;
        if (!chunk) return;  // not a sound: silence
        it = cache_.emplace(path, Entry{identity, chunk}).first;
    }
    Mix_PlayChannel(kEffectChannel, it->second.chunk, 0);
}

// ---- Music ----

SdlMusic::~SdlMusic() { close(); }

void SdlMusic::open() {
    // The mixer and its synthesiser are built once and kept: nothing to do
    // here, and no output is no failure (the music is then silent).
}

void SdlMusic::set_volume(int hundredths_db) {
    if (sdl_audio_is_open()) Mix_VolumeMusic(mixer_music_volume(hundredths_db));
}

void SdlMusic::load(const std::string& path) {
    FileIdentity identity;
    const bool readable = identify_file(path, identity);
    // The very file, still waiting at its beginning: nothing to do.
    if (readable && music_ && path == path_ && identity == identity_ && !stopped_part_way_) return;
    load_fresh(path);
}

void SdlMusic::load_fresh(const std::string& path) {
    FileIdentity identity;
    if (!identify_file(path, identity)) throw PlatformError("cannot read the music file " + path);
    if (!is_sound_midi(path)) throw PlatformError("not a whole MIDI file: " + path);
    if (sdl_audio_is_open()) {
        // Each music holds a synthesiser of its own, but FluidSynth shares
        // the sound font's samples between synthesisers and drops them with
        // the last one. So the new music is made before the old one goes:
        // the samples stay loaded, instead of the whole font being read
        // again (and the heap growing a little) at every switch.
        Mix_Music* fresh = Mix_LoadMUS(path.c_str());
        const std::string why = fresh ? "" : Mix_GetError();
        if (music_) {
            Mix_FreeMusic(music_);
            music_ = nullptr;
            // Hand the freed synthesiser's memory back, so that switching the
            // music on and off for hours does not grow the program.
            release_free_memory();
        }
        if (!fresh) throw PlatformError("cannot load the music file " + path + " (" + why + ")");
        music_ = fresh;
    }
    path_ = path;
    identity_ = identity;
    stopped_part_way_ = false;
}

void SdlMusic::play() {
    if (!sdl_audio_is_open()) return;
    if (!music_) throw PlatformError("no music loaded");
    if (Mix_PlayingMusic()) {
        Mix_HaltMusic();
        stopped_part_way_ = true;
    }
    if (stopped_part_way_) load_fresh(path_);
    if (Mix_PlayMusic(music_, 0) != 0) throw PlatformError(std::string("cannot play the music: ") + Mix_GetError());
}

void SdlMusic::stop() {
    if (!sdl_audio_is_open()) return;
    if (!Mix_PlayingMusic()) return;
    Mix_HaltMusic();
    stopped_part_way_ = true;
    // Ready the next start now, so that it is heard at once; if the file went
    // away, the next load reports it.
    try {
        load_fresh(path_);
    } catch (const PlatformError&) {
    }
}

void SdlMusic::preload(const std::string& path) {
    try {
        if (!music_) load_fresh(path);
    } catch (const PlatformError&) {
    }
}

bool SdlMusic::is_playing() { return sdl_audio_is_open() && Mix_PlayingMusic() != 0; }

void SdlMusic::close() {
    if (music_) {
        if (sdl_audio_is_open()) Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    path_.clear();
    identity_ = {};
    stopped_part_way_ = false;
}
