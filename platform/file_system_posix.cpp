// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/errors.h"
#include "platform/file_system.h"

namespace {
long long nanoseconds(const timespec& t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec; }
}  // namespace

std::optional<FileStatus> regular_file_status(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileStatus{st.st_size, nanoseconds(st.st_mtim), nanoseconds(st.st_ctim), static_cast<long long>(st.st_ino)};
}

bool path_exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool file_is_readable(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

bool file_is_executable(const std::string& path) {
    return regular_file_status(path) && ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::vector<std::uint8_t>> read_file_bytes(const std::string& path, std::size_t max_bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    while (bytes.size() < max_bytes) {
        const std::size_t want = std::min(sizeof chunk, max_bytes - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, f.get());
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < want) break;
    }
    return bytes;
}

void replace_file(const std::string& path, std::span<const unsigned char> bytes) {
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

void change_directory(const std::string& path) {
    if (::chdir(path.c_str()) != 0) throw PlatformError("cannot enter " + path);
}

void release_free_memory() { ::malloc_trim(0); }
