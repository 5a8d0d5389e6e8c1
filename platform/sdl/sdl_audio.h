// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound effects and MIDI music on SDL_mixer. The output is opened once at
// start; without it both players stay silent and the program carries on.
#include <SDL_mixer.h>

#include <map>
#include <string>

#include "platform/services.h"

// The output format: 16-bit stereo at 44.1 kHz, mixed 1024 frames at a time
// (23 ms, which bounds how late a click is heard).
inline constexpr int kAudioRate = 44100;
inline constexpr int kAudioChannels = 2;
inline constexpr int kAudioBufferFrames = 1024;

// Opens the default output (SDL_AUDIODRIVER chooses another). Returns false,
// after one line on standard error, when there is none: everything is then silent.
bool open_sdl_audio();
// Closes what open_sdl_audio opened; call it after the players are gone.
void close_sdl_audio();
bool sdl_audio_is_open();

// Chooses the synthesiser the music plays through, before any is loaded
// (program_folder ends in a separator). Called by open_sdl_audio.
void prepare_midi_output(const std::string& program_folder);

// The mixer's music volume (0..MIX_MAX_VOLUME) for a master volume in
// hundredths of a decibel: 0 dB is full scale, louder is clamped to it.
int mixer_music_volume(int hundredths_db);

// Identifies one version of a file, so that a cached load is reused only while
// the file on disk is still the one that was loaded.
struct FileIdentity {
    long long size = -1;
    long long mtime_ns = 0;
    long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
// False when path is not a readable regular file.
bool identify_file(const std::string& path, FileIdentity& out);

// Effects on one channel of their own: a new effect cuts off the one in
// progress, the music plays on beside it. Never reports a failure.
class SdlSound : public ISoundPlayer {
public:
    SdlSound() = default;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    ~SdlSound() override;
    void play_async(const std::string& path) override;

private:
    struct Entry {
        FileIdentity identity;
        Mix_Chunk* chunk = nullptr;
    };
    std::map<std::string, Entry> cache_;
};

// The MIDI music through SDL_mixer's FluidSynth player and the General MIDI
// sound font it finds. The engine is kept between starts; each start still
// plays the file as it is on disk, from its beginning.
class SdlMusic : public IMusicEngine {
public:
    SdlMusic() = default;
    SdlMusic(const SdlMusic&) = delete;
    SdlMusic& operator=(const SdlMusic&) = delete;
    ~SdlMusic() override;

    void open() override;
    void set_volume(int hundredths_db) override;
    void load(const std::string& path) override;  // throws PlatformError
    void play() override;                         // throws PlatformError
    void stop() override;
    bool is_playing() override;
    void close() override;
    // Loads the tune ahead of the first click, so that it is heard at once
    // (the sound font takes a few hundred milliseconds to read). Silent on
    // any failure: the click then meets it as usual.
    void preload(const std::string& path);

private:
    // Loads path anew, replacing the music held. Throws PlatformError.
    void load_fresh(const std::string& path);

    std::string path_;
    FileIdentity identity_;
    Mix_Music* music_ = nullptr;
    // The FluidSynth player keeps its place when halted and resumes there, so
    // a tune stopped part-way is loaded afresh before it plays again. A tune
    // that ran to its end starts again from the top by itself.
    bool stopped_part_way_ = false;
};
