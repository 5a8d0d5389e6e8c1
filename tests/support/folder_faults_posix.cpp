#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tests/support/folder_faults.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_system.h"

namespace fs = std::filesystem;

namespace {

// A small file system that is full; unmounted however the test ends.
std::shared_ptr<void> full_disk(const std::string& dir, std::string& why_not) {
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) {
        why_not = std::string("cannot mount a small tmpfs (") + std::strerror(errno) + "); it needs root";
        return nullptr;
    }
    std::shared_ptr<void> unmount(nullptr, [dir](void*) { ::umount2(dir.c_str(), MNT_DETACH); });
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
