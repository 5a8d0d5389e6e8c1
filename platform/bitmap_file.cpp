// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/errors.h"

namespace {
void put16(std::vector<unsigned char>& b, std::uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
void put32(std::vector<unsigned char>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}
}  // namespace

std::vector<unsigned char> encode_bitmap(const PictureData& p) {
    const std::uint32_t row = (static_cast<std::uint32_t>(p.width) * 3 + 3) & ~3u;
    const std::uint32_t data = row * static_cast<std::uint32_t>(p.height);
    std::vector<unsigned char> b;
    b.reserve(54 + data);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + data);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);  // BITMAPINFOHEADER
    put32(b, static_cast<std::uint32_t>(p.width));
    put32(b, static_cast<std::uint32_t>(p.height));  // positive: bottom-up
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);  // no compression
    put32(b, data);
    put32(b, 3780);  // 96 pixels an inch
    put32(b, 3780);
    put32(b, 0);
    put32(b, 0);
    for (int y = p.height - 1; y >= 0; --y) {
        const std::size_t start = b.size();
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t c = p.at(x, y);
            b.push_back((c >> 16) & 0xFF);  // blue
            b.push_back((c >> 8) & 0xFF);   // green
            b.push_back(c & 0xFF);          // red
        }
        while (b.size() - start < row) b.push_back(0);
    }
    return b;
}

void write_bitmap_file(const PictureData& picture, const std::string& path) {
    const std::vector<unsigned char> bytes = encode_bitmap(picture);
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temp = folder + ".save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw PlatformError("cannot write in " + folder + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            throw PlatformError("cannot write " + path + ": " + std::strerror(err));
        }
        done += static_cast<std::size_t>(n);
    }
    // The saved picture is the user's: readable by others like any document.
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        ::unlink(temp.c_str());
        throw PlatformError("cannot finish " + path);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw PlatformError("cannot replace " + path + ": " + std::strerror(err));
    }
}
