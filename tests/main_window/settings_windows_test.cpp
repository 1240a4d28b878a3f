// Where the settings file lives on Windows, and its save and restore there:
// the shell's folder 26, the fallback when the shell names none, and a
// profile folder whose name lies outside the system's 8-bit code page. The
// shell's answer is steered through the user's shell-folder setting in the
// registry, which is put back afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "common/utf_text.h"
#include "main_window/settings_file.h"
#include "main_window/settings_location.h"
#include "portable_test_support.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points the roaming application-data folder of the current user at
// another folder for the life of the object.
class AppDataFolderOverride {
public:
    explicit AppDataFolderOverride(const fs::path& folder) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0,
                            KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        wchar_t old[32768];
        DWORD size = sizeof old;
        DWORD type = 0;
        if (RegQueryValueExW(key_, L"AppData", nullptr, &type,
                             reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS) {
            saved_ = std::wstring(old, size / sizeof(wchar_t));
            saved_type_ = type;
        }
        Set(folder.wstring(), REG_EXPAND_SZ);
    }
    ~AppDataFolderOverride() {
        if (key_ == nullptr) return;
        if (saved_) {
            Set(*saved_, saved_type_);
        } else {
            RegDeleteValueW(key_, L"AppData");
        }
        RegCloseKey(key_);
    }
    bool Ok() const { return key_ != nullptr; }

private:
    void Set(const std::wstring& value, DWORD type) {
        const std::wstring text = value.c_str();  // without a stored NUL
        RegSetValueExW(key_, L"AppData", 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    HKEY key_ = nullptr;
    std::optional<std::wstring> saved_;
    DWORD saved_type_ = REG_EXPAND_SZ;
};

SettingsRecord Record(const std::string& year, const std::string& output) {
    SettingsRecord r;
    r.year_text = year;
    r.checks = {1, 0, 1, 0, 1, 1, 0, 1, 1, 0, 2};
    r.zone_index = 37;
    r.southern = true;
    r.output = output;
    return r;
}

// Saves, restores and replaces the file at `path`; the folder holds only
// that file afterwards.
void ExpectRoundTrip(const std::string& path) {
    ASSERT_EQ(SaveSettingsFile(path, Record("1999", "Imbolc ... 1999-02-04")), "");
    LoadedSettings loaded = LoadSettingsFile(path, "2024");
    EXPECT_EQ(loaded.year_text, "1999");
    EXPECT_EQ(loaded.output, "Imbolc ... 1999-02-04");
    EXPECT_EQ(loaded.zone_index, 37);
    EXPECT_EQ(loaded.southern, true);
    EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
    EXPECT_EQ(loaded.checks[kSaveIncludeWeekday], 2);

    // A second save replaces the first file.
    ASSERT_EQ(SaveSettingsFile(path, Record("2001", "Beltane \xC5\x81\xC3\xB3" "d\xC5\xBA")), "");
    loaded = LoadSettingsFile(path, "2024");
    EXPECT_EQ(loaded.year_text, "2001");
    EXPECT_EQ(loaded.output, "Beltane \xC5\x81\xC3\xB3" "d\xC5\xBA");
    const fs::path folder = fs::path(WideFromUtf8(path)).parent_path();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

class WindowsSettings : public ::testing::Test {
protected:
    void SetUp() override { root_ = testing::MakeTemporaryFolder("kalvest-profile"); }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path root_;
};

TEST_F(WindowsSettings, ShellFolder26HoldsTheMakerFolder) {
    const std::string app_data = SpecialFolderPath(kRoamingAppDataFolder);
    ASSERT_FALSE(app_data.empty());
    EXPECT_TRUE(FolderExists(app_data));
    EXPECT_EQ(FirstFixedDrive(), "C:");
    const std::string path = SettingsFilePath(kSettingsFileName, kMakerFolderName);
    EXPECT_EQ(path, app_data + "\\Orvanth Systems\\kalvest.usr");
    EXPECT_TRUE(FolderExists(app_data + "\\Orvanth Systems"));
}

TEST_F(WindowsSettings, RoundTripAndReplaceInTheShellFolder) {
    const fs::path app_data = root_ / "Roaming";
    fs::create_directories(app_data);
    AppDataFolderOverride override_folder(app_data);
    ASSERT_TRUE(override_folder.Ok());
    const std::string path = SettingsFilePath(kSettingsFileName, kMakerFolderName);
    EXPECT_EQ(path, Utf8FromWide((app_data / L"Orvanth Systems" / L"kalvest.usr").wstring()));
    ExpectRoundTrip(path);
}

// "Zoë" fits the Western code page, "Łukasz" none but Central Europe's,
// and the two together no 8-bit code page at all.
TEST_F(WindowsSettings, ProfileFolderOutsideTheCodePage) {
    const fs::path app_data = root_ / L"Zo\u00EB \u0141ukasz" / L"AppData" / L"Roaming";
    fs::create_directories(app_data);
    AppDataFolderOverride override_folder(app_data);
    ASSERT_TRUE(override_folder.Ok());
    const std::string path = SettingsFilePath(kSettingsFileName, kMakerFolderName);
    EXPECT_EQ(path, Utf8FromWide((app_data / L"Orvanth Systems" / L"kalvest.usr").wstring()));
    EXPECT_TRUE(fs::is_directory(app_data / L"Orvanth Systems"));
    EXPECT_TRUE(FolderExists(Utf8FromWide(app_data.wstring())));
    ExpectRoundTrip(path);
    EXPECT_TRUE(FileExists(path));
}

// A shell folder that does not exist is none: the file goes to the first
// fixed drive.
TEST_F(WindowsSettings, FallbackToTheFirstFixedDrive) {
    AppDataFolderOverride override_folder(root_ / "no such folder");
    ASSERT_TRUE(override_folder.Ok());
    EXPECT_EQ(SpecialFolderPath(kRoamingAppDataFolder), "");
    const std::string maker = "Orvanth Systems test " + std::to_string(GetCurrentProcessId());
    const std::string path = SettingsFilePath(kSettingsFileName, maker);
    EXPECT_EQ(path, "C:\\" + maker + "\\kalvest.usr");
    EXPECT_TRUE(FolderExists("C:\\" + maker));
    std::error_code ignored;
    fs::remove_all(fs::path(WideFromUtf8("C:\\" + maker)), ignored);
}

}  // namespace
}  // namespace kalvest
