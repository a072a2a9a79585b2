// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/platform.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace voltaris {

namespace {
// Each save writes its own temporary file, even two saves of one path at once.
std::atomic<unsigned> temporarySerial{0};
}  // namespace

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::filesystem::path PathFromUtf8(const std::string& path) { return std::filesystem::path(Wide(path)); }

std::string Utf8FromPath(const std::filesystem::path& path) { return Narrow(path.native()); }

std::FILE* OpenFile(const std::string& path, const char* mode) {
    const std::wstring widePath = Wide(path);
    std::FILE* file = _wfopen(widePath.c_str(), Wide(mode).c_str());
    // Windows refuses to open a folder as "no permission"; say what it is, as POSIX does.
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (!file && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) errno = EISDIR;
    return file;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(temporarySerial++) + L".tmp";
    const HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    size_t written = 0;
    while (written < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - written, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(file, text.data() + written, chunk, &n, nullptr) || n == 0) break;
        written += n;
    }
    const bool complete = written == text.size() && FlushFileBuffers(file);
    const bool closed = CloseHandle(file);
    // ReplaceFileW keeps the old file's attributes and access rights; a new file is moved in
    // place, its directory entry written through before the call returns.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool replaced =
        complete && closed && !(exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) &&
        (exists ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                               nullptr)
                : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH));
    if (!replaced) DeleteFileW(temporary.c_str());
    return replaced;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide || count != argc) {  // not started with this process's own command line
        if (wide) LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

void UseByteExactStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

#else

std::filesystem::path PathFromUtf8(const std::string& path) { return std::filesystem::path(path); }

std::string Utf8FromPath(const std::filesystem::path& path) { return path.string(); }

std::FILE* OpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
    const std::string temporary =
        path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(temporarySerial++) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat existing;
    if (::stat(path.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);  // keep its permissions
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool complete = written == text.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !complete || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the file is complete either way, so a failure here
    // is not reported.
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void UseByteExactStandardStreams() {}

#endif

}  // namespace voltaris
