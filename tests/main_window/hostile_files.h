// Things that can stand where the program expects a file it reads at
// start-up: made by the tests of the readers and of the window's start.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cctype>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kalvest::hostile {

namespace fs = std::filesystem;

enum class Kind {
    kPipe,           // a named pipe no one writes to
    kZeroDevice,     // a link to /dev/zero, which never ends
    kNullDevice,     // a link to /dev/null
    kFolder,
    kLinkToPipe,
    kLinkToFolder,
    kDanglingLink,
    kNotText,        // the start of a PNG image and every byte value
    kHundredMegabytes,  // `valid`, then zero bytes up to 100 MiB (sparse)
};

inline const std::vector<Kind>& AllKinds() {
    static const std::vector<Kind> kinds = {
        Kind::kPipe,         Kind::kZeroDevice,   Kind::kNullDevice,
        Kind::kFolder,       Kind::kLinkToPipe,   Kind::kLinkToFolder,
        Kind::kDanglingLink, Kind::kNotText,      Kind::kHundredMegabytes};
    return kinds;
}

inline const char* Name(Kind kind) {
    switch (kind) {
    case Kind::kPipe: return "pipe";
    case Kind::kZeroDevice: return "link to /dev/zero";
    case Kind::kNullDevice: return "link to /dev/null";
    case Kind::kFolder: return "folder";
    case Kind::kLinkToPipe: return "link to a pipe";
    case Kind::kLinkToFolder: return "link to a folder";
    case Kind::kDanglingLink: return "dangling link";
    case Kind::kNotText: return "not text";
    case Kind::kHundredMegabytes: return "100 MB";
    }
    return "";
}

// A name for a file of this kind: its name with letters and digits only.
inline std::string FileName(Kind kind) {
    std::string name;
    for (const char c : std::string(Name(kind))) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    return name;
}

inline constexpr std::uintmax_t kHundredMegabytes = 100u << 20;

// Makes `kind` at `path` (which must not exist); `valid` is the content a
// large file starts with. Returns the pipe a reader may wait for, if any.
inline fs::path Make(Kind kind, const fs::path& path, const std::string& valid = {}) {
    const fs::path other = path.string() + ".target";
    switch (kind) {
    case Kind::kPipe:
        mkfifo(path.c_str(), 0600);
        return path;
    case Kind::kZeroDevice: fs::create_symlink("/dev/zero", path); break;
    case Kind::kNullDevice: fs::create_symlink("/dev/null", path); break;
    case Kind::kFolder: fs::create_directory(path); break;
    case Kind::kLinkToPipe:
        mkfifo(other.c_str(), 0600);
        fs::create_symlink(other, path);
        return other;
    case Kind::kLinkToFolder:
        fs::create_directory(other);
        fs::create_symlink(other, path);
        break;
    case Kind::kDanglingLink: fs::create_symlink(path.string() + ".nowhere", path); break;
    case Kind::kNotText: {
        std::string bytes("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
        std::ofstream(path, std::ios::binary) << bytes;
        break;
    }
    case Kind::kHundredMegabytes:
        std::ofstream(path, std::ios::binary) << valid;
        fs::resize_file(path, kHundredMegabytes);  // a hole: no disk used
        break;
    }
    return {};
}

// Guards a call that might wait for a pipe's writer: if it has not ended
// within ten seconds, the guard opens the pipes for writing, which lets a
// waiting reader go on (and see an empty pipe), and records that it had to.
class PipeGuard {
public:
    explicit PipeGuard(std::vector<fs::path> pipes) : pipes_(std::move(pipes)) {
        thread_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            if (done_cv_.wait_for(lock, std::chrono::seconds(10), [this] { return done_; })) {
                return;
            }
            released_ = true;
            for (const fs::path& pipe : pipes_) {
                const int fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) close(fd);
            }
        });
    }
    ~PipeGuard() { Done(); }

    // Ends the guard; true when the guarded call had to be released.
    bool Done() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        done_cv_.notify_all();
        if (thread_.joinable()) thread_.join();
        return released_;
    }

private:
    std::vector<fs::path> pipes_;
    std::mutex mutex_;
    std::condition_variable done_cv_;
    bool done_ = false;
    std::atomic<bool> released_ = false;
    std::thread thread_;
};

}  // namespace kalvest::hostile
