// The link labels' tool tips: a web address is named by its host (the
// site) or in full (the manual); a document installed with the program is
// described, not named as if it were a web site.
#include <gtest/gtest.h>

#include "main_window/link_tool_tips.h"

namespace kalvest {
namespace {

TEST(LinkToolTips, WebAddressesAndInstalledDocuments) {
    EXPECT_EQ(WebAddressHost("https://www.orvanth.example/kalvest?x#y"), "www.orvanth.example");
    EXPECT_EQ(WebAddressHost("HTTP://user:pw@Host.example:8080"), "Host.example");
    EXPECT_EQ(WebAddressHost("http://[::1]:8080/"), "::1");
    for (const char* document : {"about-kalvest.html", "docs/a b.html", "/usr/share/k.html",
                                 "C:\\Kalvest\\k.html", "file:///usr/share/k.html",
                                 "FILE://server/share/k.html"}) {
        EXPECT_TRUE(IsInstalledDocument(document)) << document;
        EXPECT_EQ(WebAddressHost(document), "") << document;
        EXPECT_EQ(SiteLinkToolTip(document),
                  "Click here to open the installed page about Kalvest and Orvanth Systems in "
                  "your web browser.");
        EXPECT_EQ(ManualLinkToolTip(document),
                  "Click here to open the installed Kalvest user manual in your web browser.");
    }
    EXPECT_FALSE(IsInstalledDocument(""));
    EXPECT_FALSE(IsInstalledDocument("mailto:info@orvanth.example"));

    EXPECT_EQ(SiteLinkToolTip("https://www.orvanth.example/kalvest"),
              "Click here for the Orvanth Systems website at www.orvanth.example.");
    EXPECT_EQ(SiteLinkToolTip("mailto:info@orvanth.example"),
              "Click here for the Orvanth Systems website at mailto:info@orvanth.example.");
    EXPECT_EQ(ManualLinkToolTip("https://www.orvanth.example/kalvest/manual.html"),
              "Click here for the online user manual at "
              "https://www.orvanth.example/kalvest/manual.html.");
}

}  // namespace
}  // namespace kalvest
