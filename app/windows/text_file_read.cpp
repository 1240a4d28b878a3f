#include "windows/text_file_read.h"

#include <new>
#include <system_error>

#include "common/windows_api.h"

#if !defined(_WIN32)
#include <sys/stat.h>

#include <cerrno>

#include "common/regular_file.h"
#endif

namespace kalvest {
namespace {

TextFileRead Failure(int number, std::string description) {
    return {std::string(), number, std::move(description)};
}

TextFileRead Numbered(int number) {
    switch (number) {
    case kErrOutOfMemory: return Failure(number, "Out of memory");
    case kErrBadFileName: return Failure(number, "Bad file name or number");
    case kErrFileNotFound: return Failure(number, "File not found");
    case kErrEndOfFile: return Failure(number, "Input past end of file");
    case kErrTooManyFiles: return Failure(number, "Too many files");
    case kErrPermissionDenied: return Failure(number, "Permission denied");
    case kErrPathFileAccess: return Failure(number, "Path/File access error");
    case kErrPathNotFound: return Failure(number, "Path not found");
    default: return Failure(kErrDeviceIO, "Device I/O error");
    }
}

#if defined(_WIN32)

TextFileRead FromSystemError(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return Numbered(kErrFileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return Numbered(kErrPathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return Numbered(kErrPermissionDenied);
    case ERROR_TOO_MANY_OPEN_FILES: return Numbered(kErrTooManyFiles);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return Numbered(kErrOutOfMemory);
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return Numbered(kErrPathFileAccess);
    default:
        return Failure(kErrDeviceIO, std::system_category().message(static_cast<int>(code)));
    }
}

// No Windows file system holds a name longer than this many characters.
constexpr std::size_t kLongestNamePart = 255;

bool HasOverlongPart(const std::wstring& path) {
    std::size_t length = 0;
    for (const wchar_t c : path) {
        length = (c == L'\\' || c == L'/') ? 0 : length + 1;
        if (length > kLongestNamePart) return true;
    }
    return false;
}

// Why a file could not be opened. The system refuses to open a folder as a
// file with "access denied", and may call a name too long for any file
// "not found"; both are no fault of permissions or a missing file.
TextFileRead FromOpenError(const std::wstring& path, DWORD code) {
    if (code == ERROR_ACCESS_DENIED) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return Numbered(kErrPathFileAccess);
        }
    }
    if ((code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) && HasOverlongPart(path)) {
        return Numbered(kErrPathFileAccess);
    }
    return FromSystemError(code);
}

TextFileRead ReadFile(const std::string& path) {
    // The name is UTF-8; the wide-character call opens any name.
    if (!IsValidUtf8(path)) return Numbered(kErrBadFileName);
    const std::wstring wide = WideFromUtf8(path);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FromOpenError(wide, GetLastError());
    TextFileRead result;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            result = FromSystemError(GetLastError());
            break;
        }
        if (got == 0) break;
        result.text.append(buffer, got);
    }
    CloseHandle(file);
    return result;
}

#else

TextFileRead FromErrno(int number, const std::string& path) {
    switch (number) {
    case ENOENT: {
        // A missing file in an existing folder, or a missing folder.
        const std::size_t cut = path.find_last_of('/');
        const std::string folder = cut == std::string::npos ? "." : path.substr(0, cut + 1);
        struct stat info{};
        const bool folder_there = stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        return Numbered(folder_there ? kErrFileNotFound : kErrPathNotFound);
    }
    case ENOTDIR: return Numbered(kErrPathNotFound);
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP: return Numbered(kErrPathFileAccess);
    case EACCES:
    case EPERM: return Numbered(kErrPermissionDenied);
    case EMFILE:
    case ENFILE: return Numbered(kErrTooManyFiles);
    case ENOMEM: return Numbered(kErrOutOfMemory);
    case EIO: return Numbered(kErrDeviceIO);
    default: return Failure(kErrDeviceIO, std::generic_category().message(number));
    }
}

// A pipe or a device in the file's place is refused, as a folder is,
// instead of waited for or read without end.
TextFileRead ReadFile(const std::string& path) {
    FileBytes file = ReadRegularFile(path, kWholeFile);
    switch (file.result) {
    case FileReadResult::kRead: return {std::move(file.bytes), 0, {}};
    case FileReadResult::kFolder:
    case FileReadResult::kNotRegular: return Numbered(kErrPathFileAccess);
    case FileReadResult::kOutOfMemory: return Numbered(kErrOutOfMemory);
    case FileReadResult::kCannotOpen:
    case FileReadResult::kReadError: break;
    }
    return FromErrno(file.error, path);
}

#endif

}  // namespace

TextFileRead ReadWholeTextFile(const std::string& path) {
    if (path.empty()) return Numbered(kErrBadFileName);
    TextFileRead result;
    try {
        result = ReadFile(path);
    } catch (const std::bad_alloc&) {
        return Numbered(kErrOutOfMemory);
    }
    if (result.error == 0 && result.text.empty()) return Numbered(kErrEndOfFile);
    return result;
}

std::string FileErrorMessage(int number, const std::string& description) {
    return "Error " + std::to_string(number) + ".  " + description;
}

}  // namespace kalvest
