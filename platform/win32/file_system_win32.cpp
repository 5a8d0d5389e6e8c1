// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Files on Windows through the UTF-16 calls only.
#include <windows.h>

#include <memory>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/win32/wide.h"

namespace {

// File times count 100 ns from 1601; the program's clock counts from 1970.
constexpr long long kFrom1601To1970 = 116444736000000000LL;
long long unix_ns(LARGE_INTEGER t) { return (t.QuadPart - kFrom1601To1970) * 100; }

struct Handle {
    HANDLE h;
    explicit Handle(HANDLE handle) : h(handle) {}
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

HANDLE open_for_reading(const std::string& path, DWORD access) {
    // Others may read, write or even replace the file meanwhile, as on Linux.
    return CreateFileW(widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string last_error_text() {
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out = text ? narrow(text) : "error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
    return out;
}

std::string folder_of(const std::string& path) {
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? "." : path.substr(0, sep + 1);
}

}  // namespace

std::optional<FileStatus> regular_file_status(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
    // Asking for no access at all still opens a file another program holds;
    // whether it can be read is part of its status.
    HANDLE h = open_for_reading(path, GENERIC_READ);
    const bool readable = h != INVALID_HANDLE_VALUE;
    if (!readable) h = open_for_reading(path, FILE_READ_ATTRIBUTES);
    const Handle f(h);
    if (!f.ok()) return std::nullopt;
    FILE_BASIC_INFO basic{};
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandleEx(f.h, FileBasicInfo, &basic, sizeof basic) ||
        !GetFileInformationByHandle(f.h, &info))
        return std::nullopt;
    FileStatus st;
    st.size = (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    st.mtime_ns = unix_ns(basic.LastWriteTime);
    st.ctime_ns = unix_ns(basic.ChangeTime);
    st.id = (static_cast<long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    st.readable = readable;
    return st;
}

bool path_exists(const std::string& path) { return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool file_is_readable(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    return Handle(open_for_reading(path, GENERIC_READ)).ok();
}

bool file_is_executable(const std::string& path) {
    if (!regular_file_status(path)) return false;
    // What CreateProcess would start: a program image.
    DWORD kind = 0;
    return GetBinaryTypeW(widen(path).c_str(), &kind) != 0;
}

std::optional<std::vector<std::uint8_t>> read_file_bytes(const std::string& path, std::size_t max_bytes) {
    const Handle f(open_for_reading(path, GENERIC_READ));
    if (!f.ok()) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    while (bytes.size() < max_bytes) {
        const DWORD want = static_cast<DWORD>(std::min(sizeof chunk, max_bytes - bytes.size()));
        DWORD got = 0;
        if (!ReadFile(f.h, chunk, want, &got, nullptr)) break;
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got == 0) break;
    }
    return bytes;
}

void replace_file(const std::string& path, std::span<const unsigned char> bytes) {
    const std::string folder = folder_of(path);
    std::wstring temp(MAX_PATH + 1, L'\0');
    // GetTempFileNameW creates the file, so no other program can take the name.
    if (GetTempFileNameW(widen(folder).c_str(), L"sav", 0, temp.data()) == 0)
        throw PlatformError("cannot write in " + folder + ": " + last_error_text());
    temp.resize(wcslen(temp.c_str()));
    const auto fail = [&](const std::string& what) {
        const std::string why = last_error_text();
        DeleteFileW(temp.c_str());
        throw PlatformError(what + path + ": " + why);
    };
    {
        const Handle f(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
        if (!f.ok()) fail("cannot write ");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
            DWORD wrote = 0;
            if (!WriteFile(f.h, bytes.data() + done, want, &wrote, nullptr) || wrote == 0) fail("cannot write ");
            done += wrote;
        }
        if (!FlushFileBuffers(f.h)) fail("cannot finish ");
    }
    if (!MoveFileExW(temp.c_str(), widen(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("cannot replace ");
}

void change_directory(const std::string& path) {
    if (!SetCurrentDirectoryW(widen(path).c_str())) throw PlatformError("cannot enter " + path);
}

void release_free_memory() {
    // The C runtime's heap gives freed blocks back to the system by itself.
}
