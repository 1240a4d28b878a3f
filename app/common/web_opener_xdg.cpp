#include "common/web_opener_xdg.h"

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <mutex>
#include <thread>
#include <vector>

#include "common/weblink.h"

extern char** environ;

namespace kalvest {
namespace {

// Openers that outlived their wait; reaped as soon as they have ended, so
// that no finished child lingers for long. Openers may run on several
// threads at once.
std::mutex unfinished_mutex;
std::vector<pid_t> unfinished_openers;

void KeepUnfinished(pid_t pid) {
    const std::lock_guard lock(unfinished_mutex);
    unfinished_openers.push_back(pid);
}

void ReapFinishedOpeners() {
    const std::lock_guard lock(unfinished_mutex);
    std::erase_if(unfinished_openers, [](pid_t pid) {
        int status = 0;
        return waitpid(pid, &status, WNOHANG) != 0;  // ended, or not ours
    });
}

}  // namespace

std::int32_t XdgOpenExitCode(int exit_status) {
    switch (exit_status) {
        case 0: return kOpenerSuccess;
        case 1: return kShellBadFormat;
        case 2: return kShellNotFound;
        case 3:
        case 4: return kShellNoAssociation;
        default: return kShellUnknownFailure;
    }
}

std::int32_t XdgOpenSpawnErrorCode(int error_number) {
    switch (error_number) {
        case ENOENT:
        case ENOTDIR:
        case ENOEXEC: return kShellNoAssociation;
        case EACCES:
        case EPERM: return kShellAccessDenied;
        case ENOMEM:
        case EAGAIN: return kShellOutOfMemory;
        default: return kShellUnknownFailure;
    }
}

std::int32_t OpenWithXdgOpen(const std::string& address, const std::string& program,
                             std::chrono::milliseconds wait, std::stop_token stop) {
    ReapFinishedOpeners();

    std::string program_arg = program;
    std::string address_arg = address;
    char* const argv[] = {program_arg.data(), address_arg.data(), nullptr};
    pid_t pid = 0;
    const int spawn_error = posix_spawnp(&pid, program.c_str(), nullptr, nullptr,
                                         argv, environ);
    if (spawn_error != 0) return XdgOpenSpawnErrorCode(spawn_error);

    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            // glibc reports a program it could not execute as exit 127.
            if (WIFEXITED(status)) return XdgOpenExitCode(WEXITSTATUS(status));
            return kShellUnknownFailure;
        }
        if (ended < 0) {
            if (errno == EINTR) continue;
            // Children are reaped elsewhere (SIGCHLD ignored): the opener
            // was started, which is all that can be known.
            return kOpenerSuccess;
        }
        if (std::chrono::steady_clock::now() >= deadline || stop.stop_requested()) {
            KeepUnfinished(pid);
            return kOpenerSuccess;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::int32_t OpenWithPlatformHandler(const std::string& address) {
    return OpenWithXdgOpen(address);
}

}  // namespace kalvest
