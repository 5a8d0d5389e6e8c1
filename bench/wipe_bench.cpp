// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The wipe on the real SDL back-end and a real X display (run it under Xvfb:
// bench/run-wipe): for each of the five passes its length, the frames
// presented and what a frame costs, then the bare painting without pacing;
// and the save of the canvas as a bitmap (target under 20 ms).
#include <SDL.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/real_program.h"
#include "colouring/wipe.h"
#include "platform/bitmap_file.h"
#include "platform/toolkit/canvas.h"

namespace {

using Clock = std::chrono::steady_clock;
double ms_since(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

// Passes everything to the real host, timing each frame presented.
class TimingHost : public IHost {
public:
    explicit TimingHost(IHost& inner, bool paced = true) : inner_(inner), paced_(paced) {}
    void show_window(bool v) override { inner_.show_window(v); }
    void yield_events() override { inner_.yield_events(); }
    void wait_events_until(double d) override { inner_.wait_events_until(d); }
    void present_now() override {
        const auto t0 = Clock::now();
        if (paced_) inner_.present_now();
        present_ms.push_back(ms_since(t0));
    }
    void sleep_until(double d) override {
        if (paced_) inner_.sleep_until(d);
    }
    std::vector<double> present_ms;

private:
    IHost& inner_;
    bool paced_;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
double p90(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() * 9 / 10];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    if (!start_sdl_video()) return 1;
    {
        RealProgram program(argv[1]);
        FormaMain& form = program.form;
        SdlPlatform<FolderRuntime>& real = program.real;
        SdlHost& host = real.host;
        Canvas& canvas = form.Slika;

        std::printf("%-5s %8s %9s %7s %13s %13s   %s\n", "pass", "pixels", "length", "frames", "frame median",
                    "frame p90", "full-pass length 0.5-1.0 s, >= 40 frames a second");
        for (WipePass pass : {WipePass::A, WipePass::B, WipePass::C, WipePass::D, WipePass::E}) {
            canvas.set_auto_redraw(false);
            TimingHost timing(host);
            const auto t0 = Clock::now();
            const int frames = run_wipe_pass(canvas, pass, real.runtime, timing);
            const double seconds = ms_since(t0) / 1000.0;
            canvas.set_auto_redraw(true);
            host.present_now();
            const int steps = wipe_pass_steps(pass);
            const double full = seconds * 450'000.0 / steps;
            std::printf("%-5c %8d %7.3f s %7d %10.2f ms %10.2f ms   %s\n", "ABCDE"[static_cast<int>(pass)], steps,
                        seconds, frames, median(timing.present_ms), p90(timing.present_ms),
                        full >= 0.5 && full <= 1.0 && frames >= 40 * seconds ? "met" : "NOT MET");
        }
        {
            // The painting alone: no frames shown, no pacing.
            std::vector<double> ms;
            for (int i = 0; i < 10; ++i) {
                canvas.set_auto_redraw(false);
                TimingHost bare(host, false);
                const auto t0 = Clock::now();
                run_wipe_pass(canvas, WipePass::A, real.runtime, bare);
                ms.push_back(ms_since(t0));
                canvas.set_auto_redraw(true);
            }
            std::printf("painting a full pass without showing it: median %.2f ms\n", median(ms));
        }

        // The save: the canvas as a bitmap beside the program, written aside
        // and renamed over the last one, as Ctrl+P does; then read back.
        const std::filesystem::path dir = std::filesystem::path(real.runtime.folder) / "bench-save";
        std::filesystem::create_directories(dir);
        const std::string file = (dir / "01.GIF").string();
        auto picture = std::make_shared<PictureData>();
        picture->width = canvas.image().width;
        picture->height = canvas.image().height;
        for (std::uint32_t c : canvas.image().pixels) picture->pixels.push_back(c | kOpaque);
        std::vector<double> encode, save, load;
        for (int i = 0; i < 40; ++i) {
            auto t0 = Clock::now();
            const auto bytes = encode_bitmap(*picture);
            encode.push_back(ms_since(t0));
            t0 = Clock::now();
            real.runtime.save_bitmap(*picture, file);
            save.push_back(ms_since(t0));
            t0 = Clock::now();
            real.pictures.load_uncached(file);
            load.push_back(ms_since(t0));
        }
        std::filesystem::remove_all(dir);
        std::printf("save: encode %.2f ms; write (temporary file, fsync, rename) median %.2f ms p90 %.2f ms,"
                    " target < 20 ms %s; read back %.2f ms\n",
                    median(encode), median(save), p90(save), median(save) < 20 ? "met" : "NOT MET", median(load));
    }
    IMG_Quit();
    SDL_Quit();
    return 0;
}
