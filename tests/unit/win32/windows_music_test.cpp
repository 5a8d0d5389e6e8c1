// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The music on Windows where the system has no MIDI output (Wine here; a
// real PC has the system's synthesiser and takes SDL_mixer's native route):
// SDL_mixer's Timidity plays the program's own tune with the instruments
// shipped beside the program, through the same music engine as always.
//
// SDL's Windows file layer keeps the disk driver's output locked while the
// device is open, so the sound is measured once the device has closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/errors.h"
#include "platform/sdl/sdl_audio.h"
#include "tests/support/audio_fixtures.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_system.h"

namespace {

struct DiskAudio {
    explicit DiskAudio(const std::string& file) {
        set_environment("SDL_AUDIODRIVER", "disk");
        set_environment("SDL_DISKAUDIOFILE", file);
        open = open_sdl_audio();
    }
    ~DiskAudio() { close(); }
    void close() {
        close_sdl_audio();
        clear_environment("SDL_AUDIODRIVER");
        clear_environment("SDL_DISKAUDIOFILE");
    }
    bool open = false;
};

TEST(WindowsMusic, TheTunePlaysThroughTimidityWhereNoMidiOutputExists) {
    ASSERT_EQ(midiOutGetNumDevs(), 0u) << "this test is for a system without MIDI output";
    ProgramFolder folder;
    const audio_fixture::DiskOutput out(folder.path() + "output.raw", kAudioRate);
    DiskAudio audio(out.path());
    ASSERT_TRUE(audio.open);
    EXPECT_FALSE(SDL_GetHintBoolean("SDL_NATIVE_MUSIC", SDL_TRUE)) << "native MIDI would play silence here";
    {
        SdlMusic music;
        music.open();
        music.set_volume(150);
        music.load(folder.file("\\MUSIC\\001.MID"));
        music.play();
        SDL_Delay(2000);
        EXPECT_TRUE(music.is_playing());
        music.stop();
        EXPECT_FALSE(music.is_playing());
    }
    audio.close();
    const long long written = out.written();
    ASSERT_GT(written, out.bytes(1.5));
    EXPECT_GT(out.peak(0, written), 1000) << "the tune was silent";
}

TEST(WindowsMusic, ASpoiledTuneFailsToLoadAndNothingPlays) {
    ProgramFolder folder;
    write_file(folder.file("\\MUSIC\\001.MID"), "MThd but nothing a player could read");
    const audio_fixture::DiskOutput out(folder.path() + "output.raw", kAudioRate);
    DiskAudio audio(out.path());
    ASSERT_TRUE(audio.open);
    SdlMusic music;
    EXPECT_THROW(
        {
            music.load(folder.file("\\MUSIC\\001.MID"));
            music.play();
        },
        PlatformError);
    EXPECT_FALSE(music.is_playing());
}

}  // namespace
