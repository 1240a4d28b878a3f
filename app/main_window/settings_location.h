// Where the settings file lives, and the small path tests that start-up
// and the save command use.
#pragma once

#include <string>

namespace kalvest {

constexpr char kSettingsFileName[] = "kalvest.usr";
constexpr char kMakerFolderName[] = "Orvanth Systems";

// The shell's number of the per-user roaming application-data folder.
constexpr int kRoamingAppDataFolder = 26;

// The settings file under the per-user data folder: on Windows the roaming
// application-data folder (or, lacking one, the first fixed drive), on
// other systems the XDG data home ($XDG_DATA_HOME, else ~/.local/share);
// then `maker_folder`, which is created when missing, then `file_name`.
// Empty when the system names no such folder.
std::string SettingsFilePath(const std::string& file_name,
                             const std::string& maker_folder);

// The path of a shell special folder (26 = roaming application data), or
// the empty string. Windows only; elsewhere always empty.
std::string SpecialFolderPath(int folder);

// "C:" ... "Z:", the first fixed disk, or the empty string. Windows only;
// elsewhere always empty.
std::string FirstFixedDrive();

// True when `path`, without leading and trailing blanks, names a folder.
bool FolderExists(const std::string& path);

// False for an empty path, else true when a file (not a folder) of that
// name exists.
bool FileExists(const std::string& path);

}  // namespace kalvest
