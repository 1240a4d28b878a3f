// The web page opener: the address handed to the opener, the message for
// each failure code, and the xdg-open outcomes mapped onto those codes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "common/weblink.h"
#if !defined(_WIN32)
#include "common/web_opener_xdg.h"
#endif

namespace kalvest {
namespace {

namespace fs = std::filesystem;

TEST(FileExtension, TakesTextAfterLastDotOfLastPart) {
    EXPECT_EQ(FileExtension("C:\\Program Files\\Kalvest\\Kalvest.EXE", false), "EXE");
    EXPECT_EQ(FileExtension("C:\\Program Files\\Kalvest\\Kalvest.EXE", true), "exe");
    EXPECT_EQ(FileExtension("C:\\dir.d\\README", true), "");
    EXPECT_EQ(FileExtension("archive.tar.GZ", true), "gz");
    EXPECT_EQ(FileExtension("", true), "");
    // A web address has no "\": whatever follows its last dot.
    EXPECT_EQ(FileExtension("https://www.example.com/manual/Page.HTM#Top", true), "htm#top");
    EXPECT_EQ(FileExtension("https://www.example.com/", false), "com/");
    EXPECT_EQ(FileExtension("\u00C9T\u00C9.\u00C0", true), "\u00E0");
}

// Installs a fake opener that records the addresses and returns `code`,
// and records message boxes.
class OpenWebPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_opener_ = SetWebPageOpener([this](const std::string& address) {
            opened_.push_back(address);
            return code_;
        });
        previous_box_ = SetMessageBoxHandler(
            [this](const MessageBoxRequest& request) { boxes_.push_back(request); });
    }
    void TearDown() override {
        SetWebPageOpener(previous_opener_);
        SetMessageBoxHandler(previous_box_);
    }
    std::string FailureText(std::int32_t code, const std::string& address) {
        code_ = code;
        boxes_.clear();
        OpenWebPage(address);
        EXPECT_EQ(boxes_.size(), 1U) << code;
        return boxes_.empty() ? std::string() : boxes_[0].text;
    }

    std::int32_t code_ = kOpenerSuccess;
    std::vector<std::string> opened_;
    std::vector<MessageBoxRequest> boxes_;
    WebPageOpener previous_opener_;
    MessageBoxHandler previous_box_;
};

TEST_F(OpenWebPageTest, PlainSchemeBecomesSecureInAnyCase) {
    OpenWebPage("https://www.example.com/a");
    OpenWebPage("HTTP://www.example.com/Manual.html");
    OpenWebPage("Http://a.example/?next=http://b.example");
    OpenWebPage("file:///opt/kalvest/kalvest-manual.html");
    ASSERT_EQ(opened_.size(), 4U);
    EXPECT_EQ(opened_[0], "https://www.example.com/a");
    EXPECT_EQ(opened_[1], "https://www.example.com/Manual.html");
    EXPECT_EQ(opened_[2], "https://a.example/?next=https://b.example");
    EXPECT_EQ(opened_[3], "file:///opt/kalvest/kalvest-manual.html");
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(OpenWebPageTest, SuccessFromThirtyThreeOn) {
    for (const std::int32_t code : {33, 42, 1000}) {
        code_ = code;
        OpenWebPage("https://www.example.com");
    }
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(FailureText(32, "x"), "Error launching web browser, error code = 32.");
}

TEST_F(OpenWebPageTest, FailureMessagesByCode) {
    EXPECT_EQ(FailureText(31, "https://www.example.com/Manual.PDF"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'pdf' is not associated with any application program.");
    EXPECT_EQ(boxes_[0].title, "Cannot launch web browser");
    EXPECT_EQ(boxes_[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(boxes_[0].buttons, MessageButtons::kOk);

    EXPECT_EQ(FailureText(8, "https://x.example"),
              "Error launching web browser, error code = 8.\r\n\r\nOut of memory.");
    EXPECT_EQ(FailureText(2, "https://x.example"),
              "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.");
    EXPECT_EQ(FailureText(5, "https://x.example"),
              "Error launching web browser, error code = 5.");
    EXPECT_EQ(FailureText(0, "https://x.example"),
              "Error launching web browser, error code = 0.");
}

TEST_F(OpenWebPageTest, NoAssociationNamesWhateverFollowsTheLastDot) {
    EXPECT_EQ(FailureText(31, "https://www.example.com/"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension 'com/' is not associated with any application program.");
    EXPECT_EQ(FailureText(31, "localhost"),
              "Error launching web browser, error code = 31.\r\n\r\n"
              "File extension '' is not associated with any application program.");
    // The empty address of a missing program text still reaches the opener.
    opened_.clear();
    FailureText(2, "");
    ASSERT_EQ(opened_.size(), 1U);
    EXPECT_EQ(opened_[0], "");
}

#if !defined(_WIN32)
TEST(XdgOpenCodes, ExitStatusesAndStartFailures) {
    EXPECT_EQ(XdgOpenExitCode(0), kOpenerSuccess);
    EXPECT_EQ(XdgOpenExitCode(1), 11);
    EXPECT_EQ(XdgOpenExitCode(2), 2);
    EXPECT_EQ(XdgOpenExitCode(3), 31);
    EXPECT_EQ(XdgOpenExitCode(4), 31);
    EXPECT_EQ(XdgOpenExitCode(127), 0);
    EXPECT_EQ(XdgOpenSpawnErrorCode(ENOENT), 31);
    EXPECT_EQ(XdgOpenSpawnErrorCode(EACCES), 5);
    EXPECT_EQ(XdgOpenSpawnErrorCode(ENOMEM), 8);
    EXPECT_EQ(XdgOpenSpawnErrorCode(EAGAIN), 8);
    EXPECT_EQ(XdgOpenSpawnErrorCode(EIO), 0);
}

// Runs stand-in openers, small scripts, exactly as xdg-open is run.
class XdgOpenRun : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kalvest-weblink-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Script(const std::string& name, const std::string& body) {
        const fs::path path = folder_ / name;
        std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }

    fs::path folder_;
};

TEST_F(XdgOpenRun, ExitStatusIsMapped) {
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("ok", "exit 0")), kOpenerSuccess);
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("nofile", "exit 2")), 2);
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("notool", "exit 3")), 31);
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("failed", "exit 4")), 31);
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("signal", "kill -9 $$")), 0);
}

TEST_F(XdgOpenRun, AddressIsOneArgumentUntouchedByAShell) {
    const std::string out = (folder_ / "args").string();
    const std::string script = Script("echo", "printf '%s|' \"$#\" \"$1\" > '" + out + "'");
    const std::string address = "https://x.example/a b;$(touch pwned)&`id`";
    ASSERT_EQ(OpenWithXdgOpen(address, script), kOpenerSuccess);
    std::ifstream in(out);
    std::string written;
    std::getline(in, written);
    EXPECT_EQ(written, "1|" + address + "|");
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(XdgOpenRun, StartFailuresAreMapped) {
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", (folder_ / "absent").string()), 31);
    const fs::path locked = folder_ / "locked";
    std::ofstream(locked) << "#!/bin/sh\nexit 0\n";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", locked.string()), 5);
}

TEST_F(XdgOpenRun, OpenerStillRunningAfterTheWaitCountsAsStarted) {
    EXPECT_EQ(OpenWithXdgOpen("https://x.example", Script("slow", "sleep 2"),
                              std::chrono::milliseconds(100)),
              kOpenerSuccess);
}
#endif

}  // namespace
}  // namespace kalvest
