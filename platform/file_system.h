// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The handful of file operations the back-ends need, on each system's own
// terms. Paths are UTF-8 everywhere; on Windows every call goes through the
// UTF-16 interfaces, since the narrow ones read a path in the ANSI code page
// and cannot reach a folder such as "Zoë".
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One version of a regular file, as far as its metadata can tell.
struct FileStatus {
    long long size = 0;
    long long mtime_ns = 0;  // nanoseconds since 1970, like the system clock
    // Changes with any change of the file, and cannot be set back.
    long long ctime_ns = 0;
    long long id = 0;  // the file itself (inode or file index)
    // False while another program holds the file shut (Windows): nothing
    // about the file changes then, but reading it fails.
    bool readable = true;
    bool operator==(const FileStatus&) const = default;
};

// Nothing when path is missing or is not a regular file.
std::optional<FileStatus> regular_file_status(const std::string& path);
// True when anything is at path (a dangling link counts).
bool path_exists(const std::string& path);
// True when path (a file or a folder) may be read.
bool file_is_readable(const std::string& path);
// A regular file the system would start as a program.
bool file_is_executable(const std::string& path);

// The whole file, or its first max_bytes; nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> read_file_bytes(const std::string& path,
                                                          std::size_t max_bytes = SIZE_MAX);

// Writes a temporary file in the same folder, flushes it to the disk and
// puts it in place of path in one step, so a write that fails half-way never
// destroys the file that was there, and a link planted at path is replaced
// rather than written through. Throws PlatformError when the folder is
// missing or the write fails.
void replace_file(const std::string& path, std::span<const unsigned char> bytes);

// Throws PlatformError.
void change_directory(const std::string& path);

// Hands memory the program freed back to the system where the allocator
// keeps it otherwise.
void release_free_memory();
