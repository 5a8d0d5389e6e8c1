// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/system_printer.h"

#include <cups/cups.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bitmap_file.h"
#include "platform/errors.h"

namespace {

// The scheduler reads the file while the job is submitted; the copy is ours
// to remove as soon as cupsPrintFile returns, whatever it returned.
class TemporaryBitmap {
public:
    explicit TemporaryBitmap(const PictureData& picture) {
        const char* tmp = std::getenv("TMPDIR");
        path_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/rainbowdrop-print-XXXXXX.bmp";
        const int fd = ::mkstemps(path_.data(), 4);
        if (fd < 0) throw PlatformError("cannot make a file to print: " + std::string(std::strerror(errno)));
        const std::vector<unsigned char> bytes = encode_bitmap(picture);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                ::close(fd);
                ::unlink(path_.c_str());
                throw PlatformError("cannot write the file to print");
            }
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }
    ~TemporaryBitmap() { ::unlink(path_.c_str()); }
    TemporaryBitmap(const TemporaryBitmap&) = delete;
    TemporaryBitmap& operator=(const TemporaryBitmap&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct Destinations {
    cups_dest_t* list = nullptr;
    int count = 0;
    Destinations() { count = cupsGetDests(&list); }
    ~Destinations() { cupsFreeDests(count, list); }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;
};

struct Options {
    cups_option_t* list = nullptr;
    int count = 0;
    ~Options() { cupsFreeOptions(count, list); }
    void add(const char* name, const char* value) { count = cupsAddOption(name, value, count, &list); }
};

bool places_or_scales(const char* option) {
    static constexpr const char* kPlacement[] = {"ppi",      "position", "scaling",     "natural-scaling",
                                                 "fitplot",  "fit-to-page", "print-scaling", "landscape",
                                                 "orientation-requested", "number-up"};
    for (const char* name : kPlacement)
        if (std::strcmp(option, name) == 0) return true;
    return false;
}

}  // namespace

void SystemPrinter::print_picture(const PictureData& picture, bool colour) {
    Destinations dests;
    // The user's default (lpoptions) first, then the scheduler's.
    const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, dests.count, dests.list);
    if (!dest) throw PlatformError("no default printer");

    Options options;
    // The user's saved options for the destination (paper, tray, ...) still
    // apply, except any that would move, turn or scale the picture.
    for (int i = 0; i < dest->num_options; ++i)
        if (!places_or_scales(dest->options[i].name)) options.add(dest->options[i].name, dest->options[i].value);
    // Without these the image filters turn and scale the picture to the page.
    options.add("ppi", "96");
    options.add("position", "top-left");
    if (colour) options.add("print-color-mode", "color");

    const TemporaryBitmap file(picture);
    const int job = cupsPrintFile(dest->name, file.path().c_str(), "Rainbow Drop", options.count, options.list);
    if (job == 0) throw PlatformError(std::string("printing failed: ") + cupsLastErrorString());
}
