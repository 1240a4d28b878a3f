// Where the programs find their data files and varquel: beside the program
// first, then in the installation's folders relative to it, then in the
// configured installation; paths are joined by name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/install_layout.h"
#include "portable_test_support.h"
#include "common/install_paths.h"
#include "common/program_folder.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

TEST(JoinRelativePath, ResolvesDotsByNameAndNeverClimbsAboveTheRoot) {
#if !defined(_WIN32)  // POSIX folders, joined with "/"
    EXPECT_EQ(JoinRelativePath("/usr/bin", "../share/kalvest"), "/usr/share/kalvest");
    EXPECT_EQ(JoinRelativePath("/usr/bin/", "./../lib/x86_64-linux-gnu/"),
              "/usr/lib/x86_64-linux-gnu");
    EXPECT_EQ(JoinRelativePath("/opt/k", "."), "/opt/k");
    EXPECT_EQ(JoinRelativePath("/opt/k", ""), "/opt/k");
    EXPECT_EQ(JoinRelativePath("/bin", "../../../share"), "/share");
    EXPECT_EQ(JoinRelativePath("/", "share/kalvest"), "/share/kalvest");
    EXPECT_EQ(JoinRelativePath("/opt/k", "/usr/share/kalvest"), "/usr/share/kalvest");
    EXPECT_EQ(JoinRelativePath("", "/usr/share/kalvest"), "/usr/share/kalvest");
#endif
    EXPECT_EQ(JoinRelativePath("bin", ".."), "");
    // Windows folders: backslashes and drive roots are understood too.
    std::string expected = "C:\\Kalvest";
    for (const char* part : {"share", "kalvest"}) {
        expected += PathSeparator();
        expected += part;
    }
    EXPECT_EQ(JoinRelativePath("C:\\Kalvest\\bin", "../share/kalvest"), expected);
    EXPECT_EQ(JoinRelativePath("C:\\", "../.."), "C:\\");
    EXPECT_EQ(JoinRelativePath("D:\\bin", "C:/Data"), "C:/Data");
}

TEST(InstallLayout, CandidatesComeInOrderWithoutRepeats) {
    const std::vector<std::string> data = DataFolderCandidates("/opt/kalvest/bin");
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(data[0], "/opt/kalvest/bin");
    EXPECT_EQ(data[1], JoinRelativePath("/opt/kalvest/bin", kDataFolderFromPrograms));
    EXPECT_EQ(data.back(), JoinRelativePath("", kInstalledDataFolder));
    EXPECT_EQ(DataFolderCandidates("").size(), 1u);

#if defined(_WIN32)
    // DLLs are installed beside the programs: one folder, then the bare
    // name for the system's own search.
    EXPECT_EQ(LibraryCandidates("C:\\Kalvest\\bin", "varquel.dll"),
              (std::vector<std::string>{"C:\\Kalvest\\bin\\varquel.dll", "varquel.dll"}));
#else
    const std::vector<std::string> libraries =
        LibraryCandidates("/opt/kalvest/bin", "libvarquel.so.1");
    ASSERT_EQ(libraries.size(), 3u);
    EXPECT_EQ(libraries[0], "/opt/kalvest/bin/libvarquel.so.1");
    EXPECT_EQ(libraries[1],
              JoinRelativePath(JoinRelativePath("/opt/kalvest/bin", kLibraryFolderFromPrograms),
                               "libvarquel.so.1"));
    // Last, the bare name: the platform's own search (by soname).
    EXPECT_EQ(libraries[2], "libvarquel.so.1");
#endif
    EXPECT_EQ(LibraryCandidates("", "libvarquel.so.1"),
              std::vector<std::string>{"libvarquel.so.1"});
}

class FakeInstallation : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = testing::MakeTemporaryFolder("kalvest-layout");
        ASSERT_FALSE(root_.empty());
        programs_ = root_ / "bin";
        data_ = fs::path(JoinRelativePath(programs_.string(), kDataFolderFromPrograms));
        fs::create_directories(programs_);
        fs::create_directories(data_);
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Touch(const fs::path& file) { std::ofstream(file) << "14 = x\n"; }

    fs::path root_, programs_, data_;
};

TEST_F(FakeInstallation, DataFolderIsBesideTheProgramFirstThenTheInstallationsOwn) {
    Touch(data_ / "kalvest.dat");
    EXPECT_EQ(FindDataFolder(programs_.string()), data_.string());
    // A program folder that holds the data itself (the build tree, a
    // folder copied as a whole) wins.
    Touch(programs_ / "kalvest.dat");
    EXPECT_EQ(FindDataFolder(programs_.string()), programs_.string());
}

TEST_F(FakeInstallation, WithoutDataTheProgramsFolderIsNamed) {
    // A folder named kalvest.dat is no data file.
    fs::create_directories(data_ / "kalvest.dat");
    const std::string found = FindDataFolder(programs_.string());
    if (!fs::exists(fs::path(kInstalledDataFolder) / "kalvest.dat")) {
        EXPECT_EQ(found, programs_.string());
    } else {
        EXPECT_EQ(found, JoinRelativePath("", kInstalledDataFolder));
    }
}

TEST(InstallLayout, TheBuiltProgramsFindTheirDataBesideThemselves) {
    EXPECT_EQ(DataFolder(), ProgramFolder());
}

}  // namespace
}  // namespace kalvest
