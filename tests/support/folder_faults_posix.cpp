// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/mount.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "tests/support/folder_faults.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_system.h"

namespace fs = std::filesystem;

namespace {

// Runs a command as root through sudo, never asking for a password (an
// ordinary user running the tests gave it once beforehand, or has none).
bool sudo_quietly(const std::string& command) {
    return std::system(("sudo -n " + command + " >/dev/null 2>&1").c_str()) == 0;
}

// A small file system that is full; unmounted however the test ends. An
// ordinary user mounts it through sudo, as their own.
std::shared_ptr<void> full_disk(const std::string& dir, std::string& why_not) {
    std::shared_ptr<void> unmount;
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") == 0) {
        unmount.reset(static_cast<void*>(nullptr), [dir](void*) { ::umount2(dir.c_str(), MNT_DETACH); });
    } else {
        const int error = errno;
        const std::string options = "size=64k,mode=0755,uid=" + std::to_string(::getuid()) +
                                    ",gid=" + std::to_string(::getgid());
        if (::geteuid() == 0 || !sudo_quietly("mount -t tmpfs -o " + options + " tmpfs '" + dir + "'")) {
            why_not = std::string("cannot mount a small tmpfs (") + std::strerror(error) +
                      "); it needs root, or sudo without a password prompt";
            return nullptr;
        }
        unmount.reset(static_cast<void*>(nullptr), [dir](void*) { sudo_quietly("umount -l '" + dir + "'"); });
    }
    write_file(dir + "/01.GIF", "an earlier picture");
    std::string block(4096, 'x');
    for (int i = 0; i < 64; ++i) {
        const std::string filler = dir + "/filler" + std::to_string(i);
        write_file(filler, block);
        if (fs::file_size(filler) < block.size()) break;
    }
    return unmount;
}

// The folder made read-only for everyone, root included: a read-only bind
// mount of itself (a mode without write bits does not stop root).
std::shared_ptr<void> read_only_folder(const std::string& dir, std::string& why_not) {
    if (!running_as_root()) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        return std::shared_ptr<void>(nullptr, [dir](void*) { fs::permissions(dir, fs::perms::owner_all); });
    }
    if (::mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        why_not = std::string("cannot bind-mount the folder (") + std::strerror(errno) + "); it needs root";
        return nullptr;
    }
    std::shared_ptr<void> unmount(nullptr, [dir](void*) {
        ::umount2(dir.c_str(), MNT_DETACH);
        fs::permissions(dir, fs::perms::owner_all);
    });
    if (::mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        why_not = std::string("cannot make the mount read-only (") + std::strerror(errno) + ")";
    return unmount;
}

}  // namespace

std::vector<FolderFault> system_folder_faults() {
    return {{"FolderReadOnly", true, read_only_folder}, {"DiskFull", false, full_disk}};
}
