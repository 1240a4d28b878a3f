#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

namespace kalvest {
namespace {

FileBytes Failure(FileReadResult result, int error = 0) {
    FileBytes file;
    file.result = result;
    file.error = error;
    return file;
}

// What kind of file `info` describes, or kRead for a regular one.
FileReadResult KindOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FileReadResult::kFolder;
    if (!S_ISREG(info.st_mode)) return FileReadResult::kNotRegular;
    return FileReadResult::kRead;
}

// Reads up to max_bytes, and one byte more to learn whether the file is
// longer.
FileBytes ReadOpened(int fd, std::size_t expected_size, std::size_t max_bytes) {
    FileBytes file;
    file.result = FileReadResult::kRead;
    file.bytes.reserve(std::min(expected_size, max_bytes));
    char chunk[65536];
    for (;;) {
        const std::size_t room = max_bytes - file.bytes.size();
        const std::size_t want =
            room >= sizeof chunk ? sizeof chunk : room + 1;  // +1: is there more?
        const ssize_t got = read(fd, chunk, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Failure(FileReadResult::kReadError, errno);
        }
        if (got == 0) return file;
        const auto n = static_cast<std::size_t>(got);
        if (n > room) {
            file.bytes.append(chunk, room);
            file.truncated = true;
            return file;
        }
        file.bytes.append(chunk, n);
    }
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path, std::size_t max_bytes) {
    // Asked before opening, so that no device sees an open at all; asked
    // again of the open file, which may have been swapped in between.
    struct stat info{};
    if (stat(path.c_str(), &info) != 0) return Failure(FileReadResult::kCannotOpen, errno);
    if (KindOf(info) != FileReadResult::kRead) return Failure(KindOf(info));

    // O_NONBLOCK: a pipe swapped in after the test above opens at once
    // instead of waiting for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Failure(FileReadResult::kCannotOpen, errno);
    FileBytes file;
    if (fstat(fd, &info) != 0) {
        file = Failure(FileReadResult::kReadError, errno);
    } else if (KindOf(info) != FileReadResult::kRead) {
        file = Failure(KindOf(info));
    } else {
        try {
            file = ReadOpened(fd, static_cast<std::size_t>(info.st_size), max_bytes);
        } catch (const std::bad_alloc&) {
            file = Failure(FileReadResult::kOutOfMemory);
        }
    }
    close(fd);
    return file;
}

}  // namespace kalvest
