#include "common/program_folder.h"

#include <filesystem>

#include "common/windows_api.h"

#if !defined(_WIN32)
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

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
#if defined(_WIN32)
    // Each byte becomes one wide character and back again, so that the
    // join sees the separators (ASCII in every code page and in UTF-8)
    // and leaves every other byte as it was.
    auto widen = [](const std::string& text) {
        std::wstring wide;
        for (const char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
        return wide;
    };
    const std::filesystem::path joined =
        std::filesystem::path(widen(folder)) / std::filesystem::path(widen(name)).relative_path();
    std::string narrow;
    for (const wchar_t c : joined.native()) narrow += static_cast<char>(c);
    return narrow;
#else
    return (std::filesystem::path(folder) / std::filesystem::path(name).relative_path())
        .string();
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
    // A file in the root keeps the root itself as its folder: "/", or a
    // drive's root "C:\\" (a bare "C:" would name the drive's current folder).
#if defined(_WIN32)
    const bool in_root = cut == 2 && path[1] == ':';
#else
    const bool in_root = cut == 0;
#endif
    return path.substr(0, in_root ? cut + 1 : cut);
}

}  // namespace kalvest
