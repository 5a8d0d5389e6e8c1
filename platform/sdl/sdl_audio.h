#pragma once
// Sound effects and MIDI music on SDL_mixer.
// To be completed: the mixer back-end. Until then both are silent.
#include "platform/services.h"

class SdlSound : public ISoundPlayer {
public:
    void play_async(const std::string&) override {}
};

class SdlMusic : public IMusicEngine {
public:
    void open() override {}
    void set_volume(int) override {}
    void load(const std::string&) override {}
    void play() override {}
    void stop() override {}
    bool is_playing() override { return false; }
    void close() override {}
};
