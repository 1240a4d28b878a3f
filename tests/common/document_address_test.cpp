// Link texts naming documents beside the program become file addresses;
// complete addresses pass unchanged.
#include <gtest/gtest.h>

#include "common/document_address.h"
#include "common/install_layout.h"

namespace kalvest {
namespace {

TEST(DocumentAddress, CompleteAddressesPassUnchanged) {
    EXPECT_EQ(DocumentAddress("https://www.example.com/a b", "/opt/k"),
              "https://www.example.com/a b");
    EXPECT_EQ(DocumentAddress("HTTP://example.com", "/opt/k"), "HTTP://example.com");
    EXPECT_EQ(DocumentAddress("file:///x/y.html", "/opt/k"), "file:///x/y.html");
    EXPECT_EQ(DocumentAddress("mailto:help@example.com", "/opt/k"), "mailto:help@example.com");
    EXPECT_EQ(DocumentAddress("", "/opt/k"), "");
}

TEST(DocumentAddress, RelativeNamesResolveInTheProgramFolder) {
    EXPECT_EQ(DocumentAddress("kalvest-manual.html", "/opt/kalvest"),
              "file:///opt/kalvest/kalvest-manual.html");
    EXPECT_EQ(DocumentAddress("kalvest-manual.html", "/opt/kalvest/"),
              "file:///opt/kalvest/kalvest-manual.html");
    EXPECT_EQ(DocumentAddress("docs/manual.html#settings", "/"),
              "file:///docs/manual.html#settings");
    EXPECT_EQ(DocumentAddress("kalvest-manual.html", "C:\\Program Files\\Kalvest"),
              "file:///C:/Program%20Files/Kalvest/kalvest-manual.html");
    EXPECT_EQ(DocumentAddress("m.html", "D:\\"), "file:///D:/m.html");
}

TEST(DocumentAddress, AbsolutePathsAndEncoding) {
    EXPECT_EQ(DocumentAddress("/usr/share/doc/k.html", "/opt/k"),
              "file:///usr/share/doc/k.html");
    EXPECT_EQ(DocumentAddress("C:\\Docs\\k.html", "/opt/k"), "file:///C:/Docs/k.html");
    EXPECT_EQ(DocumentAddress("\\\\server\\share\\k.html", "/opt/k"),
              "file://server/share/k.html");
    // Non-ASCII names are written byte by byte; "%" and "#" of a name too.
    EXPECT_EQ(DocumentAddress("k.html", "/home/J\xC3\xBCrgen/100% #1"),
              "file:///home/J%C3%BCrgen/100%25%20%231/k.html");
}

TEST(DocumentAddress, DataFolderVersion) {
    EXPECT_EQ(ProgramDocumentAddress("kalvest-manual.html"),
              DocumentAddress("kalvest-manual.html", DataFolder()));
}

}  // namespace
}  // namespace kalvest
