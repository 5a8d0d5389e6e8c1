// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Click-to-sound latency on the real mixer: from the call of a click handler
// to the first non-silent output that SDL's disk audio driver writes. The
// program's logic runs on the headless back-end with the real sound player
// and music engine. Prints its figures; the targets are in the last column.
//
//   rd_bench_audio [rounds]
//
// Uses the music and colour-name files of the build folder when they are
// there, otherwise small stand-ins (said in the output).
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/asset_path.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_pictures.h"
#include "shell/forma_main.h"
#include "tests/support/audio_fixtures.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kThreshold = 16;  // louder than rounding noise
constexpr double kTargetMs = 100.0;
constexpr double kMemoryTargetMb = 80.0;

// Waits for the first frame louder than kThreshold written at or after
// `from`; gives the milliseconds from `clicked` to the moment it was seen, or
// a negative value after the timeout.
double ms_to_sound(const audio_fixture::DiskOutput& out, long long from, Clock::time_point clicked) {
    long long scanned = from - from % 4;
    const auto give_up = clicked + std::chrono::seconds(5);
    while (Clock::now() < give_up) {
        const long long end = out.written();
        if (end > scanned) {
            if (out.first_sound(scanned, end, kThreshold) >= 0)
                return std::chrono::duration<double, std::milli>(Clock::now() - clicked).count();
            scanned = end - end % 4;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return -1.0;
}

// CPU time of this thread: what a click costs whatever else the machine runs.
double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double status_mb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::atof(line.c_str() + std::string(key).size()) / 1024.0;
    return 0.0;
}

struct Series {
    std::vector<double> ms;
    void print(const char* what) const {
        if (ms.empty()) return;
        std::printf("%-40s n=%-3zu median %7.1f ms  worst %7.1f ms   target < %.0f ms\n", what, ms.size(),
                    median(ms), *std::max_element(ms.begin(), ms.end()), kTargetMs);
    }
};

// A program folder: the real pictures, the music and the colour name from the
// build folder where they exist.
std::string make_folder(bool& real_music, bool& real_voice) {
    std::string tmpl = (fs::temp_directory_path() / "rainbowdrop-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::exit(1);
    const fs::path dir(tmpl), build(RD_BUILD_DIR);
    fs::create_directory_symlink(build / "PICTURE", dir / "PICTURE");
    fs::create_directory(dir / "MUSIC");
    fs::create_directory(dir / "SOUND");
    fs::create_directory(dir / "MY_PICTURE");
    real_music = fs::exists(build / "MUSIC" / "001.MID");
    real_voice = fs::exists(build / "SOUND" / "ZELENA.WAV");
    if (real_music)
        fs::copy_file(build / "MUSIC" / "001.MID", dir / "MUSIC" / "001.MID");
    else
        audio_fixture::write((dir / "MUSIC" / "001.MID").string(), audio_fixture::midi_tune(30.0, 31.0));
    if (real_voice)
        fs::copy_file(build / "SOUND" / "ZELENA.WAV", dir / "SOUND" / "ZELENA.WAV");
    else
        audio_fixture::write((dir / "SOUND" / "ZELENA.WAV").string(), audio_fixture::wav_tone(0.5, 8000, 440));
    return tmpl + "/";
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    bool real_music = false, real_voice = false;
    const std::string folder = make_folder(real_music, real_voice);
    const std::string raw = folder + "output.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    if (!open_sdl_audio()) return 1;
    const audio_fixture::DiskOutput out(raw, kAudioRate);

    Series music_first, music_later, voice_first, voice_later;
    std::vector<double> on_wall, on_cpu, off_wall, off_cpu;
    double rss_playing = 0;
    {
        SdlPictures decoder;
        HeadlessPlatform hp(decoder, folder);
        SdlSound sound;
        SdlMusic music;
        Platform platform{hp.pictures, hp.display, hp.keyboard, sound, music, hp.shell, hp.printer, hp.runtime, hp.host};
        auto form = std::make_unique<FormaMain>(platform);
        hp.host.attach(&form->window());
        form->Form_Load();
        // As the program does once its window is up: the tune is read ahead
        // of the first click.
        music.preload(map_asset_path(form->AppFolder + "\\MUSIC\\001.MID"));
        out.wait_for(out.bytes(0.3));

        const auto pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(700)); };
        for (int i = 0; i <= rounds; ++i) {
            const long long from = out.written();
            const auto t = Clock::now();
            form->PaletaZelena_Click();
            (i == 0 ? voice_first : voice_later).ms.push_back(ms_to_sound(out, from, t));
            pause();
        }
        for (int i = 0; i <= rounds; ++i) {
            const long long from = out.written();
            const auto t = Clock::now();
            double c = cpu_ms();
            form->MusicOn_Click();
            on_cpu.push_back(cpu_ms() - c);
            on_wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t).count());
            (i == 0 ? music_first : music_later).ms.push_back(ms_to_sound(out, from, t));
            pause();
            if (i == 0) rss_playing = status_mb("VmRSS:");
            const auto t_off = Clock::now();
            c = cpu_ms();
            form->MusicOn_Click();
            off_cpu.push_back(cpu_ms() - c);
            off_wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t_off).count());
            pause();
        }
        form->Form_Unload();
    }
    close_sdl_audio();
    fs::remove_all(folder);

    std::printf("Click-to-sound on the disk driver (%d-frame buffers at %d Hz); music: %s, colour name: %s\n",
                kAudioBufferFrames, kAudioRate, real_music ? "MUSIC/001.MID" : "stand-in tune",
                real_voice ? "SOUND/ZELENA.WAV" : "stand-in tone");
    music_first.print("MusicOn_Click, first start");
    music_later.print("MusicOn_Click, later starts");
    voice_first.print("PaletaZelena_Click, first (file read)");
    voice_later.print("PaletaZelena_Click, later");
    const std::vector<double> later_wall(on_wall.begin() + 1, on_wall.end());
    const std::vector<double> later_cpu(on_cpu.begin() + 1, on_cpu.end());
    std::printf("Inside MusicOn_Click (wall / CPU of this thread): first start %.1f / %.1f ms, later starts %.1f / %.1f ms,"
                " stops %.1f / %.1f ms (a stop readies the next start)\n",
                on_wall.front(), on_cpu.front(), median(later_wall), median(later_cpu), median(off_wall), median(off_cpu));
    std::printf("Load average while measuring: %s", [] {
        static char buf[64] = "?\n";
        if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
            if (!std::fgets(buf, sizeof buf, f)) buf[0] = 0;
            std::fclose(f);
        }
        return buf;
    }());
    std::printf("Resident memory of this process with the music playing: %.1f MB (peak %.1f MB);"
                " the whole program: bench/audio_memory.sh; target < %.0f MB\n",
                rss_playing, status_mb("VmHWM:"), kMemoryTargetMb);
    return 0;
}
