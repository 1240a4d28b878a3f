// The files the program reads at start-up (the settings file, the
// program-text file) and the help text, with something else in their
// place: a pipe, a device, a folder, links to them, a file of 100 MB, a
// file that is not text, a valid file cut at every byte; and the settings
// saved into folders that cannot take them. Every read ends at once with
// the documented result, and no failure destroys saved settings.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

#include "common/language.h"
#include "common/message_box.h"
#include "hostile_files.h"
#include "main_window/settings_file.h"
#include "outside/text_table.h"
#include "windows/text_file_read.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;
using hostile::Kind;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

SettingsRecord SavedRecord() {
    SettingsRecord r;
    r.year_text = "1999";
    r.checks = {1, 0, 2, 0, 1, 1, 0, 1, 1, 0, 1};
    r.zone_index = 37;
    r.southern = true;
    r.output = "Imbolc (true sun) ............. 1999-02-04 CE 05:11 GMT+06:30\r\n"
               "Spring (March) equinox ........ 1999-03-21 CE 08:16 GMT+06:30\r\n";
    return r;
}

void ExpectAllRestored(const LoadedSettings& loaded, const SettingsRecord& saved) {
    EXPECT_EQ(loaded.year_text, saved.year_text);
    EXPECT_EQ(loaded.check_count, kSettingsCheckBoxCount);
    EXPECT_EQ(loaded.checks, saved.checks);
    EXPECT_EQ(loaded.zone_index, saved.zone_index);
    EXPECT_EQ(loaded.southern, saved.southern);
    EXPECT_EQ(loaded.output, RestoredOutputText(saved.output));
}

bool NothingRestored(const LoadedSettings& loaded) {
    return !loaded.year_text && loaded.check_count == 0 && !loaded.zone_index &&
           !loaded.southern && !loaded.output;
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kalvest-hostile-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_F(HostileFiles, SettingsReaderEndsAtOnceAndRestoresOnlyAFileItCanRead) {
    const std::string valid = SettingsFileText(SavedRecord());
    for (const Kind kind : hostile::AllKinds()) {
        SCOPED_TRACE(hostile::Name(kind));
        const fs::path path = folder_ / ("usr-" + hostile::FileName(kind));
        hostile::PipeGuard guard({hostile::Make(kind, path, valid)});
        const LoadedSettings loaded = LoadSettingsFile(path.string(), "2026");
        EXPECT_FALSE(guard.Done()) << "the reader waited for a writer";
        if (kind == Kind::kHundredMegabytes) {
            // Its first bytes are a whole saved file; the rest is never read.
            ExpectAllRestored(loaded, SavedRecord());
        } else {
            EXPECT_TRUE(NothingRestored(loaded));
        }
    }
    for (const char* device : {"/dev/zero", "/dev/null", "/dev/full"}) {
        EXPECT_TRUE(NothingRestored(LoadSettingsFile(device, "2026"))) << device;
    }
}

TEST_F(HostileFiles, SettingsFileCutAtEveryByte) {
    const SettingsRecord saved = SavedRecord();
    const std::string valid = SettingsFileText(saved);
    // Where each of the 15 records ends (after its CR LF); the output,
    // which spans lines itself, is the rest of the file.
    std::vector<std::size_t> record_ends;
    for (std::size_t at = valid.find("\r\n"); record_ends.size() < 14;
         at = valid.find("\r\n", at + 2)) {
        record_ends.push_back(at + 2);
    }
    record_ends.push_back(valid.size());

    for (std::size_t cut = 0; cut <= valid.size(); ++cut) {
        SCOPED_TRACE("cut after byte " + std::to_string(cut));
        const LoadedSettings loaded = ReadSettingsText(valid.substr(0, cut), "2026");
        const auto whole = static_cast<int>(
            std::upper_bound(record_ends.begin(), record_ends.end(), cut) - record_ends.begin());
        // Fields restored: every whole record, and at most the one cut (a
        // number cut after its digits still reads); never one after it.
        const int restored = (loaded.year_text ? 1 : 0) + loaded.check_count +
                             (loaded.zone_index ? 1 : 0) + (loaded.southern ? 1 : 0) +
                             (loaded.output ? 1 : 0);
        EXPECT_GE(restored, whole);
        EXPECT_LE(restored, whole + 1);
        if (whole >= 1) {
            EXPECT_EQ(loaded.year_text, saved.year_text);
        }
        for (int i = 0; i < std::min(whole - 1, int{kSettingsCheckBoxCount}); ++i) {
            EXPECT_EQ(loaded.checks[static_cast<std::size_t>(i)],
                      saved.checks[static_cast<std::size_t>(i)]);
        }
        if (whole >= 13) {
            EXPECT_EQ(loaded.zone_index, saved.zone_index);
        }
        if (whole >= 14) {
            EXPECT_EQ(loaded.southern, saved.southern);
        }
        // The output is quoted: without its closing quote it is not read.
        EXPECT_EQ(loaded.output.has_value(), cut >= valid.size() - 2);
        if (loaded.output) {
            EXPECT_EQ(*loaded.output, RestoredOutputText(saved.output));
        }
    }
}

// The program-text file: the result codes its header documents, and the
// start-up message that ends the program.
TEST_F(HostileFiles, ProgramTextLoaderEndsAtOnceWithItsCode) {
    const std::string valid = ReadAll(fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat");
    ASSERT_FALSE(valid.empty());
    std::vector<MessageBoxRequest> boxes;
    const MessageBoxHandler previous_box =
        SetMessageBoxHandler([&boxes](const MessageBoxRequest& box) { boxes.push_back(box); });
    int ends = 0;
    const ProgramExitHandler previous_exit = SetProgramExitHandler([&ends](int) { ++ends; });

    for (const Kind kind : hostile::AllKinds()) {
        SCOPED_TRACE(hostile::Name(kind));
        const fs::path folder = folder_ / hostile::FileName(kind);
        fs::create_directory(folder);
        const fs::path path = folder / kProgramTextFileName;
        hostile::PipeGuard guard({hostile::Make(kind, path, valid)});
        boxes.clear();
        ends = 0;
        LoadProgramText(kProgramTextFileName, folder.string());
        EXPECT_FALSE(guard.Done()) << "the loader waited for a writer";
        std::int32_t code = kTextTableReadError;
        if (kind == Kind::kDanglingLink) code = kTextTableCannotOpen;
        if (kind == Kind::kNotText) code = kTextTableNotText;
        if (kind == Kind::kHundredMegabytes) code = kTextTableTooMuch;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, ProgramTextLoadMessage(code, path.string()));
        EXPECT_EQ(boxes[0].icon, MessageIcon::kCritical);
        EXPECT_EQ(ends, 1);
    }
    for (const char* device : {"/dev/zero", "/dev/null"}) {
        EXPECT_EQ(lt(device, 0), kTextTableReadError) << device;
    }
    SetProgramExitHandler(previous_exit);
    SetMessageBoxHandler(previous_box);
    ASSERT_GT(LoadProgramTextFile((fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat").string()), 0);
}

TEST_F(HostileFiles, ProgramTextFileCutAtEveryByte) {
    // The shipped file, with CR LF line ends so that cuts fall between CR
    // and LF as well.
    std::string valid;
    for (const char c : ReadAll(fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat")) {
        if (c == '\n') valid += '\r';
        valid += c;
    }
    const std::int32_t entries = LoadTextTableBytes(valid);
    ASSERT_GT(entries, 0);
    std::map<std::int32_t, std::string> full;
    for (std::int32_t number = 1; number <= 100; ++number) {
        char buffer[kTextTableMaxEntryBytes];
        const std::int32_t n = gt(number, 0, buffer, kTextTableMaxEntryBytes, 0);
        if (n > 0) full[number] = std::string(buffer, static_cast<std::size_t>(n));
    }
    ASSERT_EQ(full.size(), static_cast<std::size_t>(entries));

    for (std::size_t cut = 0; cut <= valid.size(); ++cut) {
        SCOPED_TRACE("cut after byte " + std::to_string(cut));
        const std::string prefix = valid.substr(0, cut);
        const std::int32_t code = LoadTextTableBytes(prefix);
        const auto line = static_cast<std::int32_t>(std::count(prefix.begin(), prefix.end(), '\n')) + 1;
        if (code <= 0) {
            // Empty, comments only, a line cut before its "=" or after it,
            // or a CR whose LF was cut off.
            const bool known = (cut == 0 && code == kTextTableEmptyFile) ||
                               code == kTextTableNothingRead ||
                               code == kTextTableMalformedLine ||
                               code == kTextTableMissingTextBase - line ||
                               (code == kTextTableNotText && prefix.back() == '\r');
            EXPECT_TRUE(known) << code;
            continue;
        }
        // Every entry read is the whole entry, or the cut line's beginning.
        std::int32_t found = 0;
        for (const auto& [number, text] : full) {
            char buffer[kTextTableMaxEntryBytes];
            const std::int32_t n = gt(number, 0, buffer, kTextTableMaxEntryBytes, 0);
            if (n <= 0) continue;
            ++found;
            const std::string read(buffer, static_cast<std::size_t>(n));
            EXPECT_EQ(text.substr(0, read.size()), read) << number;
        }
        EXPECT_EQ(found, code);
    }
    ASSERT_GT(LoadProgramTextFile((fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat").string()), 0);
}

TEST_F(HostileFiles, LoneCarriageReturnIsNoLineEnd) {
    const fs::path path = folder_ / "kalvest.dat";
    WriteAll(path, "14 = a\r15 = b\r");  // CR-only line ends
    EXPECT_EQ(lt(path.c_str(), 0), kTextTableNotText);
    WriteAll(path, "14 = a\r\n15 = b\rc\r\n");  // a CR inside a text
    EXPECT_EQ(lt(path.c_str(), 0), kTextTableNotText);
    WriteAll(path, "14 = a\r\n15 = b\r\n");
    EXPECT_EQ(lt(path.c_str(), 0), 2);
    ASSERT_GT(LoadProgramTextFile((fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat").string()), 0);
}

TEST_F(HostileFiles, HelpViewerRefusesWhatIsNoFile) {
    for (const Kind kind : {Kind::kPipe, Kind::kZeroDevice, Kind::kLinkToPipe}) {
        SCOPED_TRACE(hostile::Name(kind));
        const fs::path path = folder_ / ("help-" + hostile::FileName(kind));
        hostile::PipeGuard guard({hostile::Make(kind, path)});
        const TextFileRead read = ReadWholeTextFile(path.string());
        EXPECT_FALSE(guard.Done()) << "the viewer waited for a writer";
        EXPECT_EQ(FileErrorMessage(read.error, read.description),
                  "Error 75.  Path/File access error");
    }
}

// Saves as a user without the right to write into the folder. Root may
// write anywhere, so under root the save runs in a child process that has
// become the unprivileged user "nobody" first; the error comes back
// through a pipe.
std::string SaveWithoutRoot(const fs::path& path, const SettingsRecord& record) {
    if (geteuid() != 0) return SaveSettingsFile(path.string(), record);
    int ends[2];
    if (pipe(ends) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        std::string error = "could not become nobody";
        if (setgid(65534) == 0 && setuid(65534) == 0) error = SaveSettingsFile(path.string(), record);
        const ssize_t written = write(ends[1], error.data(), error.size());
        _exit(written == static_cast<ssize_t>(error.size()) ? 0 : 1);
    }
    close(ends[1]);
    std::string error;
    char buffer[256];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) {
        error.append(buffer, static_cast<std::size_t>(n));
    }
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return error;
}

TEST_F(HostileFiles, SaveIntoAReadOnlyFolderKeepsTheSavedFile) {
    const fs::path folder = folder_ / "Orvanth Systems";
    fs::create_directory(folder);
    const fs::path path = folder / "kalvest.usr";
    ASSERT_EQ(SaveSettingsFile(path.string(), SavedRecord()), "");
    const std::string before = ReadAll(path);
    // Readable and searchable by everyone, writable by no one.
    const auto read_only = fs::perms::owner_read | fs::perms::owner_exec |
                           fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder_, read_only);
    fs::permissions(folder, read_only);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    SettingsRecord changed = SavedRecord();
    changed.year_text = "2001";
    EXPECT_EQ(SaveWithoutRoot(path, changed), std::generic_category().message(EACCES));
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    ExpectAllRestored(LoadSettingsFile(path.string(), "2026"), SavedRecord());
    fs::permissions(folder, fs::perms::owner_all);
}

// Whatever stands in the file's place, a save replaces it by the file
// (a folder excepted, which it leaves as it is) and the file reads back.
TEST_F(HostileFiles, SaveOverWhatStandsInTheFilesPlace) {
    for (const Kind kind : hostile::AllKinds()) {
        SCOPED_TRACE(hostile::Name(kind));
        const fs::path folder = folder_ / hostile::FileName(kind);
        fs::create_directory(folder);
        const fs::path path = folder / "kalvest.usr";
        hostile::Make(kind, path);
        const std::string error = SaveSettingsFile(path.string(), SavedRecord());
        if (kind == Kind::kFolder) {
            EXPECT_EQ(error, std::generic_category().message(EISDIR));
            continue;
        }
        EXPECT_EQ(error, "");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
        ExpectAllRestored(LoadSettingsFile(path.string(), "2026"), SavedRecord());
    }
}

// No file the program writes reaches the reader's limit: the output is
// saved up to the characters a restore puts back, the year text likewise.
TEST(SettingsSize, LargestSavedFileStaysBelowTheReadersLimit) {
    SettingsRecord largest = SavedRecord();
    largest.year_text = std::string(kSettingsYearTextLimit + 50, '0') + "1999";
    std::string four_byte_characters;
    for (std::size_t i = 0; i < kRestoredOutputLimit + 100; ++i) four_byte_characters += "\xF0\x9F\x8C\x9E";
    largest.output = four_byte_characters;
    largest.checks.fill(-2147483647 - 1);
    largest.zone_index = -2147483647 - 1;
    const std::string text = SettingsFileText(largest);
    EXPECT_LT(text.size(), kSettingsFileMaxBytes);
    // The output saved is the output restored, not a character less.
    const LoadedSettings loaded = ReadSettingsText(SettingsFileText(SavedRecord()), "2026");
    EXPECT_EQ(loaded.output, RestoredOutputText(SavedRecord().output));
    SettingsRecord long_output = SavedRecord();
    long_output.output = std::string(kRestoredOutputLimit + 10, 'x');
    EXPECT_EQ(ReadSettingsText(SettingsFileText(long_output), "2026").output,
              RestoredOutputText(long_output.output));

    // A year text longer than the limit is no year: the restore stops.
    SettingsRecord long_year = SavedRecord();
    long_year.year_text = std::string(kSettingsYearTextLimit - 4, '0') + "1999";
    EXPECT_EQ(ReadSettingsText(SettingsFileText(long_year), "2026").year_text,
              long_year.year_text);
    const std::string too_long =
        "\"" + std::string(kSettingsYearTextLimit - 3, '0') + "1999\"\r\n 1 \r\n";
    EXPECT_TRUE(NothingRestored(ReadSettingsText(too_long, "2026")));
}

}  // namespace
}  // namespace kalvest
