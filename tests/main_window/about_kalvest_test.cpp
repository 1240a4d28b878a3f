// Help > About Kalvest: the version, the licence, the zone database in use
// and varquel's file, also when one of them cannot be had.
#include <gtest/gtest.h>

#include <string>

#include "common/program_version.h"
#include "datetime/zone_database.h"
#include "main_window/about_kalvest.h"

namespace kalvest {
namespace {

TEST(AboutKalvest, SaysTheVersionsAndWhereTheyComeFrom) {
    const AboutFacts facts = GatherAboutFacts();
    EXPECT_EQ(facts.program_version, kProgramVersion);
    EXPECT_EQ(facts.zone_database_version, ZoneDatabaseVersion());
    ASSERT_TRUE(facts.varquel);
    const std::string text = AboutText(facts);
    EXPECT_EQ(text.rfind(std::string("Kalvest ") + kProgramVersion + "\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("MIT License"), std::string::npos);
    EXPECT_NE(text.find("Time zone database: version " + facts.zone_database_version + ", from " +
                        ZoneTableFolder()),
              std::string::npos);
    EXPECT_NE(text.find("varquel: " + facts.varquel->file_name + ", loaded from " +
                        facts.varquel->loaded_from),
              std::string::npos);

    AboutFacts missing;
    missing.program_version = "7.0";
    missing.zone_database_error = "cannot read the time zone database: no such folder";
    missing.varquel_error = "Cannot load the library varquel (libvarquel.so.1)";
    EXPECT_EQ(AboutText(missing),
              "Kalvest 7.0\r\n"
              "The year's solar turning points: equinoxes, solstices and cross-quarter days.\r\n"
              "\r\n"
              "Free software under the MIT License.\r\n"
              "\r\n"
              "Time zone database: cannot read the time zone database: no such folder\r\n"
              "varquel: Cannot load the library varquel (libvarquel.so.1)\r\n");
    AboutFacts windows = missing;
    windows.zone_database_error.clear();
    windows.zone_database_version = "2025b";
    windows.zone_database_folder = "C:\\Kalvest\\tzdata";
    windows.varquel = VarquelFile{"varquel.dll", "C:\\Kalvest\\varquel.dll", ""};
    const std::string shown = AboutText(windows);
    EXPECT_NE(shown.find("Time zone database: version 2025b, from C:\\Kalvest\\tzdata\r\n"),
              std::string::npos);
    // No version in the file's name: none said.
    EXPECT_NE(shown.find("varquel: varquel.dll, loaded from C:\\Kalvest\\varquel.dll\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace kalvest
