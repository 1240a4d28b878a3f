#include "main_window/settings_location.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#else
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

#include "common/program_folder.h"
#include "common/str_proc.h"
#include "common/utf_text.h"

namespace kalvest {
namespace {

#if defined(_WIN32)

std::string UserDataBase() {
    const std::string base = SpecialFolderPath(kRoamingAppDataFolder);
    if (!base.empty()) return base;
    // The root folder of the drive: "C:" alone would be its current folder.
    const std::string drive = FirstFixedDrive();
    return drive.empty() ? drive : drive + "\\";
}

// The application-data folder exists on every normal system; only the
// maker's folder below it is created, one level.
void CreateMakerFolder(const std::string& folder) {
    CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr);
}

// Paths are UTF-8 inside the program; the wide-character name reaches
// every file, where one in the 8-bit code page would not.
std::filesystem::path NativePath(const std::string& path) {
    return std::filesystem::path(WideFromUtf8(path));
}

#else

std::filesystem::path NativePath(const std::string& path) { return path; }

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

// The XDG data home; a relative $XDG_DATA_HOME is to be ignored.
std::string UserDataBase() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    if (data_home != nullptr && data_home[0] == '/') return data_home;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : JoinPath(home, ".local/share");
}

// A new user may not have the data home yet: every missing folder of the
// chain is created, private to the user as the XDG rules ask.
void CreateMakerFolder(const std::string& folder) {
    std::string partial;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = folder.find('/', pos + 1);
        partial = folder.substr(0, pos);
        if (!FolderExists(partial)) mkdir(partial.c_str(), 0700);
    }
}

#endif

}  // namespace

std::string SpecialFolderPath([[maybe_unused]] int folder) {
#if defined(_WIN32)
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list))) return {};
    std::string path;
    wchar_t buffer[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListW(list, buffer)) path = Utf8FromWide(buffer);  // up to the first NUL
    CoTaskMemFree(list);
    return path;
#else
    return {};
#endif
}

std::string FirstFixedDrive() {
#if defined(_WIN32)
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::wstring root = std::wstring(1, static_cast<wchar_t>(letter)) + L":\\";
        if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED) return std::string(1, letter) + ":";
    }
#endif
    return {};
}

bool FolderExists(const std::string& path) {
    const std::string trimmed = TrimBlanks(path);
    if (trimmed.empty()) return false;
    std::error_code error;
    return std::filesystem::is_directory(NativePath(trimmed), error);
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    const auto status = std::filesystem::status(NativePath(path), error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::string SettingsFilePath(const std::string& file_name,
                             const std::string& maker_folder) {
    const std::string base = UserDataBase();
    if (base.empty()) return {};
    const std::string folder = JoinPath(base, maker_folder);
    if (!FolderExists(folder)) CreateMakerFolder(folder);
    return JoinPath(folder, file_name);
}

}  // namespace kalvest
