// Reading a file that a user or another program may have replaced with
// something else: a named pipe, a device, a folder. Opened the ordinary
// way, a pipe without a writer keeps the reader waiting for ever and
// /dev/zero never ends. These calls never wait for a writer, refuse
// anything but a regular file (after symbolic links), and read no more
// than they are asked to. POSIX systems only; on Windows each caller
// keeps its own way of opening.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace kalvest {

enum class FileReadResult {
    kRead,        // `bytes` holds the file, or its first max_bytes bytes
    kCannotOpen,  // no such file, no permission, ...: `error` holds errno
    kFolder,      // the path names a folder
    kNotRegular,  // a pipe, a device or a socket
    kReadError,   // reading failed: `error` holds errno
    kOutOfMemory,
};

struct FileBytes {
    FileReadResult result = FileReadResult::kCannotOpen;
    int error = 0;           // errno, for kCannotOpen and kReadError
    std::string bytes;       // for kRead
    bool truncated = false;  // for kRead: the file holds more than max_bytes
};

// No limit: the whole file, however long.
inline constexpr std::size_t kWholeFile = std::numeric_limits<std::size_t>::max();

// Reads the regular file at `path`, at most `max_bytes` of it.
FileBytes ReadRegularFile(const std::string& path, std::size_t max_bytes);

}  // namespace kalvest
