// Reading the viewer's file: the whole content, and every failure as the
// number and description the viewer's message shows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "portable_test_support.h"
#include "windows/text_file_read.h"

namespace kalvest {
namespace {

namespace fs = std::filesystem;

class TextFileReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testing::MakeTemporaryFolder("kalvest-view");
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    fs::path folder_;
};

TEST_F(TextFileReadTest, WholeFileByteForByte) {
    std::string text = "line 1\r\nline 2\n\xC3\xA9";
    text += std::string(200000, 'x');  // longer than one read
    text += '\0';
    text += "after a NUL";
    const TextFileRead read = ReadWholeTextFile(Write("help.txt", text));
    EXPECT_EQ(read.error, 0);
    EXPECT_EQ(read.text, text);
}

TEST_F(TextFileReadTest, FailuresCarryTheirNumbers) {
    struct Case {
        std::string path;
        int number;
        std::string message;
    };
    const std::string plain = Write("plain", "x");
    const Case cases[] = {
        {Write("empty.txt", ""), 62, "Error 62.  Input past end of file"},
        {(folder_ / "missing.txt").string(), 53, "Error 53.  File not found"},
        {(folder_ / "no folder" / "help.txt").string(), 76, "Error 76.  Path not found"},
        {plain + "/help.txt", 76, "Error 76.  Path not found"},
        {folder_.string(), 75, "Error 75.  Path/File access error"},
        {folder_.string() + "/" + std::string(5000, 'n'), 75, "Error 75.  Path/File access error"},
        {"", 52, "Error 52.  Bad file name or number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 200));
        const TextFileRead read = ReadWholeTextFile(c.path);
        EXPECT_EQ(read.error, c.number);
        EXPECT_EQ(read.text, "");
        EXPECT_EQ(FileErrorMessage(read.error, read.description), c.message);
    }
}

}  // namespace
}  // namespace kalvest
