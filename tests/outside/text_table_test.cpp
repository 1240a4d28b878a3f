// The program-text loader on real files: every failure condition has its
// own result code, line-numbered where a line is at fault, and a lookup
// never writes more than the caller's buffer holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "outside/text_table.h"

namespace kalvest {
namespace {

// `head`, then `count` letters x, then `tail`. Built by appending: GCC 12
// at -O3 warns falsely (-Warray-bounds, inside memcpy) about operator+
// joining a literal and a long temporary string.
std::string WithRun(std::string head, std::size_t count, const char* tail) {
    head.append(count, 'x');
    head += tail;
    return head;
}

namespace fs = std::filesystem;

class TextTableFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kalvest-text-table-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& content) {
        const fs::path path = folder_ / "kalvest.dat";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::int32_t Load(const std::string& content) { return lt(Write(content).c_str(), 0); }

    static std::string Lookup(std::int32_t number) {
        char buffer[kTextTableMaxEntryBytes];
        const std::int32_t n = gt(number, 0, buffer, kTextTableMaxEntryBytes, 1);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }

    fs::path folder_;
};

TEST_F(TextTableFile, ReadsEntriesCommentsAndBlanks) {
    EXPECT_EQ(Load("\xEF\xBB\xBF# comment\r\n\r\n  14 = kalvest.html  \r\n"
                   "   # indented comment\n25=Invalid input\n7\t=\t~\n9 = ~~\n"
                   "30 = a # is text here\n31 = \xC3\x80 accent"),
              6);
    EXPECT_EQ(Lookup(14), "kalvest.html");
    EXPECT_EQ(Lookup(25), "Invalid input");
    EXPECT_EQ(Lookup(7), "~");
    EXPECT_EQ(Lookup(9), "~~");
    EXPECT_EQ(Lookup(30), "a # is text here");
    EXPECT_EQ(Lookup(31), "\xC3\x80 accent");
    EXPECT_EQ(Lookup(15), "");
}

TEST_F(TextTableFile, FileLevelFailures) {
    EXPECT_EQ(lt((folder_ / "missing.dat").string().c_str(), 0), kTextTableCannotOpen);
    EXPECT_EQ(Load(""), kTextTableEmptyFile);
    EXPECT_EQ(Load("# only a comment\n\n   \n"), kTextTableNothingRead);
    // A folder opens on POSIX systems but cannot be read; Windows opens
    // none.
#if defined(_WIN32)
    EXPECT_EQ(lt(folder_.string().c_str(), 0), kTextTableCannotOpen);
#else
    EXPECT_EQ(lt(folder_.string().c_str(), 0), kTextTableReadError);
#endif
    EXPECT_EQ(lt(nullptr, 0), kTextTableBadArgument);
    EXPECT_EQ(lt("", 0), kTextTableBadArgument);
    EXPECT_EQ(lt(Write("1 = a\n").c_str(), 1), kTextTableBadArgument);
}

TEST_F(TextTableFile, FileThatIsNotTextIsRefused) {
    // The start of a PNG image: NUL bytes and bytes that are not UTF-8.
    EXPECT_EQ(Load(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), kTextTableNotText);
    EXPECT_EQ(Load("1 = caf\xE9\n"), kTextTableNotText);  // Latin-1, not UTF-8
    EXPECT_EQ(Load(std::string("1 = a\0b\n", 8)), kTextTableNotText);
    EXPECT_EQ(Load("\x7F" "ELF\x02\x01\x01"), kTextTableNotText);  // no NUL, still binary
    EXPECT_EQ(Load("1 = bell\a\n"), kTextTableNotText);
}

TEST_F(TextTableFile, LineFaultsAreNumberedByLine) {
    EXPECT_EQ(Load("1 = a\n1 = b\n"), kTextTableDuplicateBase - 2);
    EXPECT_EQ(Load("# x\n\n5 =\n"), kTextTableMissingTextBase - 3);
    EXPECT_EQ(Load("5 =   \t \n"), kTextTableMissingTextBase - 1);
    EXPECT_EQ(Load(WithRun("5 = ", 1025, "\n")), kTextTableTooLongBase - 1);
    // A text exactly the buffer's size is fine.
    EXPECT_EQ(Load(WithRun("5 = ", 1024, "\n")), 1);
    EXPECT_EQ(Lookup(5).size(), 1024U);
    // The first fault in file order decides.
    EXPECT_EQ(Load("1 = a\n2 =\n1 = b\n"), kTextTableMissingTextBase - 2);
}

TEST_F(TextTableFile, MalformedLinesGiveGenericCodes) {
    EXPECT_EQ(Load("1 = a\nhello\n"), kTextTableMalformedLine);
    EXPECT_EQ(Load("12 text without equals\n"), kTextTableMalformedLine);
    EXPECT_EQ(Load("= no number\n"), kTextTableMalformedLine);
    EXPECT_EQ(Load("-3 = negative\n"), kTextTableMalformedLine);
    EXPECT_EQ(Load("0 = zero\n"), kTextTableNumberOutOfRange);
    EXPECT_EQ(Load("32768 = too big\n"), kTextTableNumberOutOfRange);
    EXPECT_EQ(Load("99999999999999999999 = huge\n"), kTextTableNumberOutOfRange);
    EXPECT_EQ(Load("32767 = largest\n"), 1);
}

TEST_F(TextTableFile, LimitsGiveTooMuch) {
    std::string lines;
    for (int i = 1; i <= kTextTableMaxLines; ++i) lines += "# line\n";
    EXPECT_EQ(Load(lines + "1 = a\n"), kTextTableTooMuch);  // line 501
    lines.resize(lines.size() - 7);  // 499 comment lines and one entry
    EXPECT_EQ(Load(lines + "1 = a\n"), 1);

    std::string texts;
    for (int i = 1; i <= 64; ++i) texts += std::to_string(i) + " = " + std::string(1024, 'x') + "\n";
    EXPECT_EQ(Load(texts), 64);  // exactly 65536 bytes of text
    EXPECT_EQ(Load(texts + "65 = x\n"), kTextTableTooMuch);

    EXPECT_EQ(Load(WithRun("# ", kTextTableMaxFileBytes, "\n1 = a\n")),
              kTextTableTooMuch);
}

TEST_F(TextTableFile, FailedLoadLeavesNoTable) {
    ASSERT_EQ(Load("3 = three\n"), 1);
    EXPECT_EQ(Lookup(3), "three");
    EXPECT_EQ(Load("3 = three\n3 = again\n"), kTextTableDuplicateBase - 2);
    EXPECT_EQ(Lookup(3), "");
}

TEST_F(TextTableFile, LookupCopiesAtMostTheBufferAndReturnsFullLength) {
    ASSERT_EQ(Load("8 = abcdefgh\n"), 1);
    char buffer[6] = {'#', '#', '#', '#', '#', '#'};
    EXPECT_EQ(gt(8, 0, buffer, 4, 1), 8);
    EXPECT_EQ(std::string(buffer, 6), "abcd##");  // four bytes, no terminator
    EXPECT_EQ(gt(8, 0, nullptr, 0, 1), 8);
    EXPECT_EQ(gt(8, 0, buffer, -1, 1), 8);

    char roomy[16];
    EXPECT_EQ(gt(8, 0, roomy, 16, 1), 8);
    EXPECT_STREQ(roomy, "abcdefgh");
}

TEST_F(TextTableFile, OtherLanguagesFallBackOnlyWhenAsked) {
    ASSERT_EQ(Load("8 = eight\n"), 1);
    char buffer[16];
    EXPECT_EQ(gt(8, 1, buffer, 16, 1), 5);
    EXPECT_EQ(gt(8, 1, buffer, 16, 0), 0);
    EXPECT_EQ(gt(8, 0, buffer, 16, 0), 5);
    EXPECT_EQ(gt(9, 0, buffer, 16, 1), 0);
    EXPECT_EQ(gt(-8, 0, buffer, 16, 1), 0);
}

}  // namespace
}  // namespace kalvest
