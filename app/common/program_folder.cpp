#include "common/program_folder.h"

#if defined(_WIN32)
#include <windows.h>

#include "common/utf_text.h"
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
    // The wide-character name, as UTF-8 like every other text of the
    // program: the program-text loader, the file addresses and the help
    // viewer all read this folder as UTF-8, and a name in the system's code
    // page would not survive a folder with letters beyond ASCII.
    std::wstring wide(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
    if (n == 0 || n >= wide.size()) return {};
    path = Utf8FromWide(std::wstring_view(wide.data(), n));
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
