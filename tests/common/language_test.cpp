// Program texts: the load failure message for each result code, the path
// rule, the empty-text mark, and the shipped program-text file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "common/language.h"
#include "common/message_box.h"
#include "common/install_layout.h"
#include "common/program_folder.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

TEST(ProgramTextLoadMessage, FixedMessagesByCode) {
    EXPECT_EQ(ProgramTextLoadMessage(0, "p"), "No program text was read.");
    EXPECT_EQ(ProgramTextLoadMessage(-1, "/opt/kalvest/kalvest.dat"),
              "Cannot open file containing program text.\r\n/opt/kalvest/kalvest.dat");
    EXPECT_EQ(ProgramTextLoadMessage(-2, "p"), "Particular memory allocation error.");
    EXPECT_EQ(ProgramTextLoadMessage(-3, "p"), "Too much program text.");
    EXPECT_EQ(ProgramTextLoadMessage(-4, "p"), "Text not recovered.");
    EXPECT_EQ(ProgramTextLoadMessage(-6, "p"), "File is empty.");
    EXPECT_EQ(ProgramTextLoadMessage(-7, "p"), "Error reading file.");
    EXPECT_EQ(ProgramTextLoadMessage(-8, "p"), "General memory allocation error.");
    EXPECT_EQ(ProgramTextLoadMessage(5, "p"), "");
}

TEST(ProgramTextLoadMessage, LineMessagesAtTheRangeEdges) {
    EXPECT_EQ(ProgramTextLoadMessage(-1501, "p"), "Duplicate in program text at line 1.");
    EXPECT_EQ(ProgramTextLoadMessage(-1500, "p"), "String too long at line 500.");
    EXPECT_EQ(ProgramTextLoadMessage(-1001, "p"), "String too long at line 1.");
    EXPECT_EQ(ProgramTextLoadMessage(-1000, "p"), "Missing string at line 500.");
    EXPECT_EQ(ProgramTextLoadMessage(-501, "p"), "Missing string at line 1.");
    EXPECT_EQ(ProgramTextLoadMessage(-1512, "p"), "Duplicate in program text at line 12.");
    EXPECT_EQ(ProgramTextLoadMessage(INT32_MIN, "p"),
              "Duplicate in program text at line 2147482148.");
}

TEST(ProgramTextLoadMessage, GenericCodesKeepTheirSign) {
    EXPECT_EQ(ProgramTextLoadMessage(-5, "p"), "Error -5");
    EXPECT_EQ(ProgramTextLoadMessage(-9, "p"), "Error -9");
    EXPECT_EQ(ProgramTextLoadMessage(-500, "p"), "Error -500");
}

TEST(ProgramTextPath, NoDoubledSeparator) {
    const std::string sep(1, PathSeparator());
    EXPECT_EQ(ProgramTextPath("dir", "kalvest.dat"), "dir" + sep + "kalvest.dat");
    EXPECT_EQ(ProgramTextPath(sep, "kalvest.dat"), sep + "kalvest.dat");
    EXPECT_EQ(ProgramTextPath("dir" + sep, "kalvest.dat"), "dir" + sep + "kalvest.dat");
    EXPECT_EQ(ProgramTextPath("", "kalvest.dat"), "kalvest.dat");
}

TEST(JoinPath, OneSeparatorAndTheNameStaysInside) {
    const std::string sep(1, PathSeparator());
    EXPECT_EQ(JoinPath("dir", "sub" + sep + "file"), "dir" + sep + "sub" + sep + "file");
    EXPECT_EQ(JoinPath("dir", sep + "file"), "dir" + sep + "file");
    EXPECT_EQ(JoinPath("dir", ""), "dir" + sep);
    // Bytes beyond ASCII (UTF-8 here) pass unchanged.
    EXPECT_EQ(JoinPath("K\xC3\xA4lvest", "h\xC3\xA9lp.txt"),
              "K\xC3\xA4lvest" + sep + "h\xC3\xA9lp.txt");
}

// Records message boxes and program-exit requests instead of showing and
// exiting, and restores the real handlers afterwards.
class LoadProgramTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kalvest-language-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        previous_box_ = SetMessageBoxHandler(
            [this](const MessageBoxRequest& request) { boxes_.push_back(request); });
        previous_exit_ = SetProgramExitHandler([this](int code) { exit_code_ = code; });
    }
    void TearDown() override {
        SetMessageBoxHandler(previous_box_);
        SetProgramExitHandler(previous_exit_);
        fs::remove_all(folder_);
        // Later tests see the shipped texts again.
        LoadProgramTextFile((fs::path(KALVEST_OUTPUT_DIR) / "kalvest.dat").string());
    }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }

    fs::path folder_;
    std::vector<MessageBoxRequest> boxes_;
    std::optional<int> exit_code_;
    MessageBoxHandler previous_box_;
    ProgramExitHandler previous_exit_;
};

TEST_F(LoadProgramTextTest, SuccessShowsNothingAndServesTexts) {
    Write("t.dat", "24 = The year\n25 = Title\n3 = ~\n4 = ~~\n");
    LoadProgramText("t.dat", folder_.string());
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(exit_code_.has_value());
    EXPECT_EQ(GetProgramText(24), "The year");
    EXPECT_EQ(GetProgramText(25), "Title");
    EXPECT_EQ(GetProgramText(3), "");    // the empty-text mark
    EXPECT_EQ(GetProgramText(4), "~~");  // two tildes are a text
    EXPECT_EQ(GetProgramText(5), "");    // no such entry
    EXPECT_EQ(GetProgramText(-24), "");
}

TEST_F(LoadProgramTextTest, MissingFileShowsCriticalBoxWithPathAndEnds) {
    LoadProgramText("absent.dat", folder_.string());
    ASSERT_EQ(boxes_.size(), 1U);
    EXPECT_EQ(boxes_[0].text, "Cannot open file containing program text.\r\n" +
                                  ProgramTextPath(folder_.string(), "absent.dat"));
    EXPECT_EQ(boxes_[0].title, "");
    EXPECT_EQ(boxes_[0].icon, MessageIcon::kCritical);
    EXPECT_EQ(boxes_[0].buttons, MessageButtons::kOk);
    ASSERT_TRUE(exit_code_.has_value());
    EXPECT_NE(*exit_code_, 0);
}

TEST_F(LoadProgramTextTest, DamagedCopiesGiveTheirMessages) {
    const struct {
        const char* content;
        const char* message;
    } cases[] = {
        {"", "File is empty."},
        {"# nothing\n", "No program text was read."},
        {"14 = a\n15 = b\n14 = c\n", "Duplicate in program text at line 3."},
        {"14 = a\n15 =\n", "Missing string at line 2."},
        {"text without number\n", "Error -9"},
        {"\x7F" "ELF\x02\x01\x01\x00", "Text not recovered."},
    };
    for (const auto& c : cases) {
        boxes_.clear();
        exit_code_.reset();
        Write("kalvest.dat", c.content);
        LoadProgramText("kalvest.dat", folder_.string());
        ASSERT_EQ(boxes_.size(), 1U) << c.message;
        EXPECT_EQ(boxes_[0].text, c.message);
        EXPECT_TRUE(exit_code_.has_value()) << c.message;
    }
}

TEST_F(LoadProgramTextTest, TooLongEntryIsReportedByLine) {
    Write("kalvest.dat", "# long\n16 = " + std::string(kLookupBufferChars + 1, 'x') + "\n");
    LoadProgramText("kalvest.dat", folder_.string());
    ASSERT_EQ(boxes_.size(), 1U);
    EXPECT_EQ(boxes_[0].text, "String too long at line 2.");
}

TEST(ShippedProgramTexts, LoadBesideTheProgramWithEveryTextAndTheHelpFile) {
    std::vector<MessageBoxRequest> boxes;
    const MessageBoxHandler previous = SetMessageBoxHandler(
        [&boxes](const MessageBoxRequest& request) { boxes.push_back(request); });
    const ProgramExitHandler previous_exit = SetProgramExitHandler([](int) {});
    // The test programs sit beside the copied data files, as the program does.
    LoadProgramText(kProgramTextFileName);
    SetMessageBoxHandler(previous);
    SetProgramExitHandler(previous_exit);
    ASSERT_TRUE(boxes.empty()) << boxes[0].text;

    for (const std::int16_t number : {14, 15, 16, 24, 25, 36, 50, 51}) {
        EXPECT_FALSE(GetProgramText(number).empty()) << number;
    }
    EXPECT_NE(GetProgramText(24).find("between 1 and 3000"), std::string::npos);

    const fs::path data = fs::path(KALVEST_SOURCE_DIR) / "data";
    EXPECT_TRUE(fs::is_regular_file(data / GetProgramText(16))) << GetProgramText(16);
    EXPECT_TRUE(fs::is_regular_file(data / GetProgramText(14))) << GetProgramText(14);
    EXPECT_TRUE(fs::is_regular_file(data / GetProgramText(15))) << GetProgramText(15);
    EXPECT_TRUE(fs::is_regular_file(fs::path(DataFolder()) / GetProgramText(16)));
}

}  // namespace
}  // namespace kalvest
