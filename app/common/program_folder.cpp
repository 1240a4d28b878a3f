#include "common/program_folder.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>

#include <climits>
#endif

namespace kalvest {

char PathSeparator() {
#if defined(_WIN32)
    return '\\';
#else
    return '/';
#endif
}

std::string ProgramFolder() {
    std::string path;
#if defined(_WIN32)
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    path.assign(buffer, n);
#else
    char buffer[PATH_MAX + 1] = {};
    const ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0) return {};
    path.assign(buffer, static_cast<std::size_t>(n));
#endif
    const std::size_t cut = path.find_last_of(PathSeparator());
    if (cut == std::string::npos) return {};
    // A file in the root keeps the root itself as its folder.
    return path.substr(0, cut == 0 ? 1 : cut);
}

}  // namespace kalvest
