// The output box's text model and the run's failure message.
#include <gtest/gtest.h>

#include "run/output_text.h"
#include "run/run_messages.h"

namespace kalvest {
namespace {

TEST(OutputText, KeepsCrLfAndShowsLineFeeds) {
    OutputText output;
    EXPECT_TRUE(output.Empty());
    output.Append("a\r\n");
    output.Append(kRunSeparatorLine);
    output.Append("b\r\n");
    EXPECT_EQ(output.Text(), "a\r\n--------------------\r\nb\r\n");
    EXPECT_EQ(output.WithLineFeeds(), "a\n--------------------\nb\n");
    // A lone carriage return or line feed is left as it is.
    output.Set("x\ry\nz\r");
    EXPECT_EQ(output.WithLineFeeds(), "x\ry\nz\r");
    output.Clear();
    EXPECT_TRUE(output.Empty());
}

TEST(RunMessages, LibraryFailureNamesLibraryAndEntryPoint) {
    const std::string text =
        LibraryFailureMessage(LibraryError("varquel", "_deltat@12", "cannot load"));
    EXPECT_NE(text.find("\"varquel\""), std::string::npos);
    EXPECT_NE(text.find("\"_deltat@12\""), std::string::npos);
    EXPECT_NE(text.find("cannot load"), std::string::npos);
}

}  // namespace
}  // namespace kalvest
