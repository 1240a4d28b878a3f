// Saving the settings file so that a failure can never destroy the
// previous one: the new text goes into a fresh file beside it, is flushed
// to the disk, and only then renamed over the old file in one step.
#include "main_window/settings_file.h"

#include <cerrno>
#include <new>
#include <system_error>

#include "common/windows_api.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kalvest {
namespace {

#if defined(_WIN32)

std::string LastErrorText() {
    return std::system_category().message(static_cast<int>(GetLastError()));
}

std::string WriteAndReplace(const std::string& path, const std::string& text) {
    if (path.empty()) return std::system_category().message(ERROR_PATH_NOT_FOUND);
    // The path is UTF-8; only the wide-character calls take every name.
    const std::wstring target = WideFromUtf8(path);
    const std::wstring temporary = target + L".new-" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastErrorText();
    std::string error;
    DWORD written = 0;
    if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size() || !FlushFileBuffers(file)) {
        error = LastErrorText();
    }
    if (!CloseHandle(file) && error.empty()) error = LastErrorText();
    if (error.empty() &&
        !MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastErrorText();
    }
    if (!error.empty()) DeleteFileW(temporary.c_str());
    return error;
}

#else

std::string ErrorText(int number) { return std::generic_category().message(number); }

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string WriteAndReplace(const std::string& path, const std::string& text) {
    // No folder could be named for the file (see SettingsFilePath).
    if (path.empty()) return ErrorText(ENOENT);
    std::string temporary = path + ".new-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return ErrorText(errno);
    int error = 0;
    if (!WriteAll(fd, text) || fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return ErrorText(error);
    }
    return {};
}

#endif

}  // namespace

std::string SaveSettingsFile(const std::string& path, const SettingsRecord& settings) {
    try {
        return WriteAndReplace(path, SettingsFileText(settings));
    } catch (const std::bad_alloc&) {
        return std::generic_category().message(ENOMEM);
    }
}

}  // namespace kalvest
