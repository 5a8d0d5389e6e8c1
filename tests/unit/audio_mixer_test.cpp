// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The music and the effects on the real mixer: SDL_mixer writes its output
// through SDL's disk audio driver into a file, which the tests read back. The
// program's logic runs on the headless back-end with the real sound player
// and music engine plugged in.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_pictures.h"
#include "shell/forma_main.h"
#include "tests/support/audio_fixtures.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_system.h"

namespace {

using audio_fixture::DiskOutput;
namespace fs = std::filesystem;

constexpr int kSilent = 16;     // nothing but rounding noise
constexpr int kAudible = 1000;  // -30 dB of full scale
constexpr long long kBuffer = static_cast<long long>(kAudioBufferFrames) * 4;

long long align_up(long long pos) { return (pos + kBuffer - 1) / kBuffer * kBuffer; }

// SDL's audio on one driver for the life of one test.
struct AudioDriver {
    AudioDriver(const char* driver, const std::string& file) {
        set_environment("SDL_AUDIODRIVER", driver);
        set_environment("SDL_DISKAUDIOFILE", file);
        open = open_sdl_audio();
    }
    ~AudioDriver() {
        close_sdl_audio();
        clear_environment("SDL_AUDIODRIVER");
        clear_environment("SDL_DISKAUDIOFILE");
    }
    bool open = false;
};

// The whole program on the headless back-end, but heard through the real mixer.
class MixerApp {
public:
    explicit MixerApp(const char* driver)
        : out(folder.path() + "output.raw", kAudioRate),
          audio(driver, out.path()),
          hp(decoder, folder.path()),
          platform{hp.pictures, hp.display, hp.keyboard, sound, music, hp.shell, hp.printer, hp.runtime, hp.host} {
        form = std::make_unique<FormaMain>(platform);
        hp.host.attach(&form->window());
    }
    ~MixerApp() { form.reset(); }

    void start() { form->Form_Load(); }
    FormaMain& f() { return *form; }
    void write_music(const std::string& bytes) { audio_fixture::write(folder.file("\\MUSIC\\001.MID"), bytes); }
    void write_sound(const char* name, const std::string& bytes) { audio_fixture::write(folder.file(name), bytes); }

    // Waits until `seconds` of output lie beyond `from`, then gives the peak there.
    int peak_after(long long from, double seconds) {
        EXPECT_TRUE(out.wait_for(from + out.bytes(seconds))) << "the driver stopped writing";
        return out.peak(from, from + out.bytes(seconds));
    }

    ProgramFolder folder;
    DiskOutput out;
    AudioDriver audio;
    SdlPictures decoder;
    HeadlessPlatform hp;
    SdlSound sound;
    SdlMusic music;
    Platform platform;
    std::unique_ptr<FormaMain> form;
};

class RealMixer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.audio.open) << "the disk audio driver did not open";
        app.write_music(audio_fixture::midi_tune(6.0, 6.5));
        app.start();
        ASSERT_TRUE(app.out.wait_for(app.out.bytes(0.2)));
    }
    MixerApp app{"disk"};
};

TEST_F(RealMixer, MusicIsHeardWhenSwitchedOnAndFallsSilentWithinABufferWhenOff) {
    EXPECT_LE(app.out.peak(0, app.out.written()), kSilent) << "the output is silent before the music starts";

    app.f().MusicOn_Click();
    EXPECT_GT(app.peak_after(app.out.written(), 0.5), kAudible);
    EXPECT_TRUE(app.music.is_playing());

    const long long requested = app.out.written();
    app.f().MusicOn_Click();
    ASSERT_EQ(app.f().MusicOff, 1);
    // The buffer being mixed when the stop came may still carry music; the next one may not.
    EXPECT_LE(app.peak_after(align_up(requested) + kBuffer, 0.5), kSilent);
    EXPECT_FALSE(app.music.is_playing());
}

TEST_F(RealMixer, EveryStartPlaysTheTuneFromItsBeginning) {
    // One short chord at the top, then a long rest: a start that resumed
    // where the last one stopped would be silent.
    app.write_music(audio_fixture::midi_tune(0.4, 8.0, 0));
    app.f().MusicOn_Click();
    const long long first = app.out.written();
    EXPECT_GT(app.peak_after(first, 0.4), kAudible);
    EXPECT_LE(app.peak_after(first + app.out.bytes(1.6), 0.4), kSilent) << "the fixture rests after its first note";

    app.f().MusicOn_Click();
    app.f().MusicOn_Click();
    ASSERT_EQ(app.f().MusicPlaying, 1);
    EXPECT_GT(app.peak_after(app.out.written(), 0.4), kAudible);
}

TEST_F(RealMixer, TimerPlaysATuneThatHasEndedAgain) {
    app.write_music(audio_fixture::midi_tune(0.3, 0.5, 0));
    app.f().MusicOn_Click();
    EXPECT_GT(app.peak_after(app.out.written(), 0.3), kAudible);

    // The virtual clock stands still, so the timer cannot tick while the tune plays out.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (app.music.is_playing() && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_FALSE(app.music.is_playing()) << "the tune never ended";
    EXPECT_LE(app.peak_after(app.out.written(), 0.3), kSilent) << "an ended tune does not start again by itself";

    app.hp.host.advance(0.5);  // the timer's next tick
    EXPECT_TRUE(app.music.is_playing());
    EXPECT_GT(app.peak_after(app.out.written(), 0.3), kAudible);
}

TEST_F(RealMixer, SecondEffectCutsOffTheFirst) {
    app.write_sound("\\SOUND\\CRVENA.WAV", audio_fixture::wav_tone(1.5, 4000, 440));
    app.write_sound("\\SOUND\\ZELENA.WAV", audio_fixture::wav_tone(0.2, 12000, 660));

    const long long first = app.out.written();
    app.f().PaletaCrvena_Click();
    const int alone = app.peak_after(first, 0.3);
    EXPECT_NEAR(alone, 4000, 200);

    const long long second = app.out.written();
    app.f().PaletaZelena_Click();
    // Had the first gone on, the two would add up to nearly 16000.
    EXPECT_NEAR(app.peak_after(align_up(second) + kBuffer, 0.1), 12000, 500);
    // The first would have sounded well past this.
    EXPECT_LE(app.peak_after(second + app.out.bytes(0.3), 0.8), kSilent);
}

TEST_F(RealMixer, MutingLetsTheEffectInProgressFinish) {
    app.write_sound("\\SOUND\\CRVENA.WAV", audio_fixture::wav_tone(1.0, 4000, 440));
    app.f().PaletaCrvena_Click();
    const long long muted = app.out.written();
    app.f().MuteWave_Click();
    ASSERT_EQ(app.f().SoundEffectsOn, 0);
    EXPECT_NEAR(app.peak_after(muted + app.out.bytes(0.2), 0.3), 4000, 200);
}

TEST_F(RealMixer, EffectPlaysBesideTheMusic) {
    app.write_sound("\\SOUND\\ZELENA.WAV", audio_fixture::wav_tone(0.2, 12000, 660));
    app.f().MusicOn_Click();
    ASSERT_GT(app.peak_after(app.out.written(), 0.3), kAudible);
    app.f().PaletaZelena_Click();
    const long long after_effect = app.out.written() + app.out.bytes(0.4);
    EXPECT_GT(app.peak_after(after_effect, 0.3), kAudible) << "the music goes on after the effect";
    EXPECT_TRUE(app.music.is_playing());
}

TEST_F(RealMixer, ChangedEffectFileIsReadAgain) {
    app.write_sound("\\SOUND\\CRVENA.WAV", audio_fixture::wav_tone(0.3, 4000, 440));
    app.f().PaletaCrvena_Click();
    EXPECT_NEAR(app.peak_after(app.out.written(), 0.2), 4000, 200);

    app.write_sound("\\SOUND\\CRVENA.WAV", audio_fixture::wav_tone(0.4, 9000, 440));
    app.f().PaletaCrvena_Click();
    EXPECT_NEAR(app.peak_after(align_up(app.out.written()) + kBuffer, 0.2), 9000, 300);
}

struct BrokenFile {
    const char* name;
    bool present;
    const char* bytes;
};
void PrintTo(const BrokenFile& c, std::ostream* os) { *os << c.name; }
const BrokenFile kBrokenFiles[] = {{"missing", false, ""}, {"not_a_sound", true, "this is not a sound file\n"}};

class RealMixerBrokenFile : public RealMixer, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(RealMixerBrokenFile, MusicFileIsAFailedLoad) {
    const BrokenFile& c = GetParam();
    fs::remove(app.folder.file("\\MUSIC\\001.MID"));
    if (c.present) app.write_music(c.bytes);
    app.f().MusicOn_Click();
    EXPECT_EQ(app.f().MusicPlaying, 1);
    EXPECT_EQ(app.f().MusicOff, 0);
    EXPECT_FALSE(app.f().tmrRepeat.Enabled());
    EXPECT_LE(app.peak_after(app.out.written(), 0.3), kSilent);

    app.f().MusicOn_Click();
    EXPECT_EQ(app.f().MusicOff, 1) << "the next click switches off";
}

TEST_P(RealMixerBrokenFile, EffectFileIsSilenceAndTheClickCarriesOn) {
    const BrokenFile& c = GetParam();
    fs::remove(app.folder.file("\\SOUND\\ZELENA.WAV"));
    if (c.present) app.write_sound("\\SOUND\\ZELENA.WAV", c.bytes);
    app.f().PaletaZelena_Click();
    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103));
    EXPECT_EQ(app.f().ColourSelected[2], 1) << "the handler went on past the sound";
    EXPECT_LE(app.peak_after(app.out.written(), 0.3), kSilent);
}

INSTANTIATE_TEST_SUITE_P(Cases, RealMixerBrokenFile, ::testing::ValuesIn(kBrokenFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NoAudioOutput, ProgramWorksSilently) {
    MixerApp app("no-such-driver");
    EXPECT_FALSE(app.audio.open);
    EXPECT_FALSE(sdl_audio_is_open());
    app.write_music(audio_fixture::midi_tune(1.0, 1.5));
    app.write_sound("\\SOUND\\ZELENA.WAV", audio_fixture::wav_tone(0.2, 12000, 660));
    app.start();

    app.f().MusicOn_Click();
    EXPECT_EQ(app.f().MusicOff, 0);
    EXPECT_EQ(app.f().MusicPlaying, 1);
    EXPECT_TRUE(app.f().tmrRepeat.Enabled());
    app.hp.host.advance(2.0);  // the timer's restarts go nowhere, quietly
    app.f().PaletaZelena_Click();
    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103));
    app.f().MuteWave_Click();
    EXPECT_EQ(app.f().SoundEffectsOn, 0);
    app.f().MusicOn_Click();
    EXPECT_EQ(app.f().MusicOff, 1);

    // A missing music file is still a failed start.
    fs::remove(app.folder.file("\\MUSIC\\001.MID"));
    app.f().MusicOn_Click();
    EXPECT_EQ(app.f().MusicPlaying, 1);
    EXPECT_FALSE(app.f().tmrRepeat.Enabled());

    app.f().Form_Unload();
    EXPECT_FALSE(fs::exists(app.out.path())) << "nothing was written anywhere";
}

TEST(MixerMusicVolume, HundredthsOfADecibelOntoTheMixerScale) {
    const std::pair<int, int> cases[] = {
        {-10000, 0},  // far below hearing
        {-3000, 4},   // SetVolume(0): -30 dB, 128 / 31.6
        {-600, 64},   // -6 dB, half the amplitude
        {0, 128},     // full scale
        {150, 128},   // SetVolume(75): +1.5 dB, clamped
        {7710, 128},  // SetVolume(255)
    };
    for (const auto& [db, volume] : cases) EXPECT_EQ(mixer_music_volume(db), volume) << db;
}

}  // namespace
