// The settings file: the exact text the save writes, the reader's rules
// for damaged and odd files, the safe replacement of the old file, and
// where the file lives.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "main_window/settings_file.h"
#include "main_window/settings_location.h"
#include "portable_test_support.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class TempFolder {
public:
    TempFolder() {
        path_ = testing::MakeTemporaryFolder("kalvest-settings");
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Every field set to something other than its default.
SettingsRecord FullRecord() {
    SettingsRecord r;
    r.year_text = "1999";
    r.checks = {1, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1};
    r.zone_index = 37;
    r.southern = true;
    r.output = "Imbolc (true sun) ............. 1999-02-04 CE 05:11 GMT+06:30\r\n"
               "--------------------\r\n"
               "Spring (March) equinox ........ 1999-03-21 CE 08:16 GMT+06:30\r\n";
    return r;
}

// The records of a file in the saved layout, ready for cutting.
std::string RecordsText(const std::string& year, const std::string& flag = "#FALSE#",
                        const std::string& output = "out") {
    return "\"" + year + "\"\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n"
           " 0 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 30 \r\n" + flag + "\r\n\"" + output + "\"\r\n";
}

TEST(SettingsFileText, ExactRecordsOfTheExample) {
    SettingsRecord r;
    r.year_text = "2024";
    r.checks = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1};  // true sun before mean sun
    r.zone_index = 26;
    r.southern = false;
    EXPECT_EQ(SettingsFileText(r),
              "\"2024\"\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
              " 1 \r\n 0 \r\n 1 \r\n 26 \r\n#FALSE#\r\n\"\"\r\n");

    r.southern = true;
    r.checks[0] = 2;
    r.checks[1] = -1;  // never set by the window; the writer still has a form for it
    r.output = "a\r\nb";
    const std::string text = SettingsFileText(r);
    EXPECT_NE(text.find("\r\n 2 \r\n-1 \r\n"), std::string::npos);
    EXPECT_NE(text.find("#TRUE#\r\n\"a\r\nb\"\r\n"), std::string::npos);
}

TEST(SettingsFile, SaveAndLoadBringBackEverySetting) {
    TempFolder folder;
    const std::string path = (folder.path() / "kalvest.usr").string();
    const SettingsRecord saved = FullRecord();
    ASSERT_EQ(SaveSettingsFile(path, saved), "");
    EXPECT_EQ(ReadAll(path), SettingsFileText(saved));

    const LoadedSettings loaded = LoadSettingsFile(path, "2026");
    EXPECT_EQ(loaded.year_text, "1999");
    EXPECT_FALSE(loaded.clear_output);
    EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
    EXPECT_EQ(loaded.checks, saved.checks);
    EXPECT_EQ(loaded.zone_index, 37);
    EXPECT_EQ(loaded.southern, true);
    // Several lines come back as one record, line breaks and all.
    EXPECT_EQ(loaded.output, saved.output);
    // Nothing but the file is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(SettingsFile, SaveReplacesTheWholeOldFile) {
    TempFolder folder;
    const fs::path path = folder.path() / "kalvest.usr";
    WriteAll(path, std::string(50000, 'x'));
    SettingsRecord r;
    r.year_text = "12";
    ASSERT_EQ(SaveSettingsFile(path.string(), r), "");
    EXPECT_EQ(ReadAll(path), SettingsFileText(r));
}

TEST(SettingsFile, YearRule) {
    struct Case {
        std::string stored;
        bool restored;
    };
    const Case cases[] = {
        {"3000", true}, {"1", true}, {"+5", true}, {"0012", true}, {" 2024 ", true},
        {"3001", false}, {"0", false}, {"-45", false}, {"-0", false},
        {"99999999999999999999", false}, {"3000.5", false}, {"0.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const LoadedSettings loaded = ReadSettingsText(RecordsText(c.stored), "2026");
        // The other settings come back whatever the year.
        EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
        EXPECT_EQ(loaded.zone_index, 30);
        EXPECT_EQ(loaded.southern, false);
        if (c.restored) {
            EXPECT_EQ(loaded.year_text, c.stored);  // exactly as stored
            EXPECT_FALSE(loaded.clear_output);
            EXPECT_EQ(loaded.output, "out");
        } else {
            EXPECT_EQ(loaded.year_text, "2026");
            EXPECT_TRUE(loaded.clear_output);
            EXPECT_EQ(loaded.output, "");
        }
    }
}

TEST(SettingsFile, YearThatIsNoNumberStopsTheRestore) {
    for (const std::string year : {"abc", "", "12a", "1e3", "+", "2,024"}) {
        SCOPED_TRACE(year);
        const LoadedSettings loaded = ReadSettingsText(RecordsText(year), "2026");
        EXPECT_FALSE(loaded.year_text.has_value());
        EXPECT_FALSE(loaded.clear_output);
        EXPECT_EQ(loaded.check_count, 0);
        EXPECT_FALSE(loaded.zone_index.has_value());
        EXPECT_FALSE(loaded.southern.has_value());
        EXPECT_FALSE(loaded.output.has_value());
    }
}

TEST(SettingsFile, DamagedFileKeepsWhatCameBefore) {
    const std::string full = RecordsText("2020");
    // Cut after record 7: the year and the first six check boxes.
    std::size_t cut = 0;
    for (int record = 0; record < 7; ++record) cut = full.find("\r\n", cut) + 2;
    LoadedSettings loaded = ReadSettingsText(full.substr(0, cut), "2026");
    EXPECT_EQ(loaded.year_text, "2020");
    EXPECT_EQ(loaded.check_count, 6);
    EXPECT_EQ((std::array<int, 6>{loaded.checks[0], loaded.checks[1], loaded.checks[2],
                                  loaded.checks[3], loaded.checks[4], loaded.checks[5]}),
              (std::array<int, 6>{1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(loaded.checks[6], 0);
    EXPECT_FALSE(loaded.zone_index.has_value());
    EXPECT_FALSE(loaded.southern.has_value());
    EXPECT_FALSE(loaded.output.has_value());

    // A check-box value other than 0, 1 or 2 stops before that box.
    std::string text = full;
    text.replace(text.find(" 0 "), 3, " 3 ");
    loaded = ReadSettingsText(text, "2026");
    EXPECT_EQ(loaded.check_count, 1);

    // A number field that is not a number.
    text = full;
    text.replace(text.find(" 0 "), 3, " x ");
    EXPECT_EQ(ReadSettingsText(text, "2026").check_count, 1);
    text = full;
    text.replace(text.find(" 0 "), 3, "1.0");
    EXPECT_EQ(ReadSettingsText(text, "2026").check_count, 1);

    // Zone indexes outside 0..48 stop before the zone.
    for (const std::string zone : {" 49 ", "-1 ", " 99999999999 "}) {
        text = full;
        text.replace(text.find(" 30 "), 4, zone);
        loaded = ReadSettingsText(text, "2026");
        EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
        EXPECT_FALSE(loaded.zone_index.has_value());
        EXPECT_FALSE(loaded.southern.has_value());
    }
    text = full;
    text.replace(text.find(" 30 "), 4, " 48 ");
    EXPECT_EQ(ReadSettingsText(text, "2026").zone_index, 48);

    // An output without its closing quote is not restored.
    loaded = ReadSettingsText(full.substr(0, full.size() - 3), "2026");
    EXPECT_EQ(loaded.southern, false);
    EXPECT_FALSE(loaded.output.has_value());

    // An empty file restores nothing.
    loaded = ReadSettingsText("", "2026");
    EXPECT_FALSE(loaded.year_text.has_value());
}

TEST(SettingsFile, OnlyTheExactFalseFlagMeansNorth) {
    EXPECT_EQ(ReadSettingsText(RecordsText("2020", "#FALSE#"), "2026").southern, false);
    EXPECT_EQ(ReadSettingsText(RecordsText("2020", "#FALSE#   "), "2026").southern, false);
    EXPECT_EQ(ReadSettingsText(RecordsText("2020", "\"#FALSE#\""), "2026").southern, false);
    for (const std::string flag : {"#TRUE#", "#false#", "FALSE", "0", "", "#FALSE#x"}) {
        SCOPED_TRACE(flag);
        const LoadedSettings loaded = ReadSettingsText(RecordsText("2020", flag), "2026");
        EXPECT_EQ(loaded.southern, true);
        EXPECT_EQ(loaded.output, "out");
    }
}

TEST(SettingsFile, OutputIsCutTo10240CharactersThenTrimmed) {
    const std::string long_output = "  " + std::string(10300, 'a');
    LoadedSettings loaded = ReadSettingsText(RecordsText("2020", "#FALSE#", long_output), "2026");
    EXPECT_EQ(loaded.output, std::string(10238, 'a'));

    // The blanks that the cut leaves at the end go as well.
    const std::string ends_blank = std::string(10230, 'b') + std::string(20, ' ') + "c";
    loaded = ReadSettingsText(RecordsText("2020", "#FALSE#", ends_blank), "2026");
    EXPECT_EQ(loaded.output, std::string(10230, 'b'));

    // Characters are counted, not bytes: "é" is two bytes in UTF-8.
    std::string accented;
    for (int i = 0; i < 10241; ++i) accented += "\xC3\xA9";
    EXPECT_EQ(RestoredOutputText(accented).size(), 2u * 10240u);
    EXPECT_EQ(RestoredOutputText(std::string(10240, 'd')), std::string(10240, 'd'));

    // Line breaks at the ends stay; only blanks go.
    EXPECT_EQ(RestoredOutputText("  line 1\r\nline 2\r\n  "), "line 1\r\nline 2\r\n");
}

TEST(SettingsFile, ReadingRulesForFields) {
    // Commas separate fields as line ends do; blanks before a field are
    // skipped, blanks after an unquoted one dropped; a lone LF ends a line.
    const std::string text =
        "\"2021\" junk, 1 ,2,0\n0\r0,1,1,1,1,2,0,  24  \n#TRUE#  ,\"x, y\r\n\"z\"\r\n";
    const LoadedSettings loaded = ReadSettingsText(text, "2026");
    EXPECT_EQ(loaded.year_text, "2021");
    EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
    EXPECT_EQ(loaded.checks, (std::array<int, 11>{1, 2, 0, 0, 0, 1, 1, 1, 1, 2, 0}));
    EXPECT_EQ(loaded.zone_index, 24);
    EXPECT_EQ(loaded.southern, true);
    EXPECT_EQ(loaded.output, "x, y\r\n");

    const std::string quoted_output = RecordsText("2020", "#TRUE#", "x, y\r\n\"z");
    // A double quote in the output ends the record early (never written by
    // a run, whose lines hold none).
    EXPECT_EQ(ReadSettingsText(quoted_output, "2026").output, "x, y\r\n");
}

// The system's words for an error: its own numbers on Windows.
#if defined(_WIN32)
std::string FolderInTheWayText() { return std::system_category().message(5); }  // access denied
std::string FileInThePathText() { return std::system_category().message(3); }   // path not found
#else
std::string FolderInTheWayText() { return std::generic_category().message(EISDIR); }
std::string FileInThePathText() { return std::generic_category().message(ENOTDIR); }
#endif

class SaveFailure : public ::testing::Test {
protected:
    TempFolder folder_;
};

TEST_F(SaveFailure, TargetThatIsAFolderStaysAsItWas) {
    const fs::path path = folder_.path() / "kalvest.usr";
    fs::create_directory(path);
    WriteAll(path / "inside", "kept");
    const std::string error = SaveSettingsFile(path.string(), FullRecord());
    EXPECT_EQ(error, FolderInTheWayText());
    EXPECT_EQ(ReadAll(path / "inside"), "kept");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1);
}

TEST_F(SaveFailure, FolderUnderARegularFile) {
    const fs::path file = folder_.path() / "plain";
    WriteAll(file, "kept");
    const std::string error = SaveSettingsFile((file / "kalvest.usr").string(), FullRecord());
    EXPECT_EQ(error, FileInThePathText());
    EXPECT_EQ(ReadAll(file), "kept");
    EXPECT_NE(SaveSettingsFile("", FullRecord()), "");
}

#if !defined(_WIN32)
// A file-size limit exists on POSIX systems only.
TEST_F(SaveFailure, WriteCutShortLeavesThePreviousFileIntact) {
    // A file-size limit makes the write fail half-way, as a full disk
    // would; it holds for root as well.
    const fs::path path = folder_.path() / "kalvest.usr";
    SettingsRecord previous = FullRecord();
    ASSERT_EQ(SaveSettingsFile(path.string(), previous), "");
    const std::string before = ReadAll(path);

    SettingsRecord large = FullRecord();
    large.output = std::string(200000, 'z');
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_limit;
    limit.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string error = SaveSettingsFile(path.string(), large);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_EQ(error, std::generic_category().message(EFBIG));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1);
}
#endif

#if !defined(_WIN32)
// Where the file lives on POSIX systems (Windows: settings_windows_test).
class SettingsLocation : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_DATA_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    TempFolder folder_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(SettingsLocation, UnderTheXdgDataHomeWithTheMakerFolderCreated) {
    const fs::path data_home = folder_.path() / "new user" / "share";
    setenv("XDG_DATA_HOME", data_home.c_str(), 1);
    const std::string path = SettingsFilePath(kSettingsFileName, kMakerFolderName);
    EXPECT_EQ(path, (data_home / "Orvanth Systems" / "kalvest.usr").string());
    EXPECT_TRUE(FolderExists((data_home / "Orvanth Systems").string()));
    EXPECT_FALSE(FileExists(path));
    // A folder missing for a new user is created private to the user.
    EXPECT_EQ(fs::status(data_home).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(SettingsLocation, HomeWhenTheDataHomeIsUnsetOrRelative) {
    setenv("HOME", folder_.path().c_str(), 1);
    for (bool relative : {false, true}) {
        if (relative) {
            setenv("XDG_DATA_HOME", "relative/share", 1);
        } else {
            unsetenv("XDG_DATA_HOME");
        }
        EXPECT_EQ(SettingsFilePath("kalvest.usr", "Orvanth Systems"),
                  (folder_.path() / ".local/share/Orvanth Systems/kalvest.usr").string());
    }
    EXPECT_FALSE(fs::exists("relative"));
}

TEST_F(SettingsLocation, FileAndFolderTests) {
    const fs::path file = folder_.path() / "kalvest.usr";
    WriteAll(file, "x");
    EXPECT_TRUE(FileExists(file.string()));
    EXPECT_FALSE(FileExists(folder_.path().string()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists((folder_.path() / "missing").string()));
    EXPECT_TRUE(FolderExists("  " + folder_.path().string() + " "));
    EXPECT_FALSE(FolderExists(file.string()));
    EXPECT_FALSE(FolderExists("   "));
    EXPECT_EQ(SpecialFolderPath(kRoamingAppDataFolder), "");
    EXPECT_EQ(FirstFixedDrive(), "");
}

#endif

}  // namespace
}  // namespace kalvest
