// The database's own tables and lists: the countries of each zone, the
// zones' names apart from their links, the version, the system's zone.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "datetime/zone_countries.h"
#include "datetime/zone_database.h"
#include "portable_test_support.h"

namespace kalvest {
namespace {

TEST(ZoneTables, CountriesOfEachZoneFromBothTables) {
    const char* zone_tab =
        "# comment\n"
        "DE\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
        "NO\t+5955+01045\tEurope/Oslo\n"
        "XX\tbroken line\n"
        "IE\t+5320-00615\tEurope/Dublin\r\n";
    const char* zone1970_tab =
        "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
        "IE\t+5320-00615\tEurope/Dublin\n"
        "ZZ\t+0000+00000\tEtc/Nowhere\n";
    const char* iso3166_tab =
        "#code\tname\n"
        "DE\tGermany\nDK\tDenmark\nIE\tIreland\nNO\tNorway\nSE\tSweden\n"
        "SJ\tSvalbard & Jan Mayen\n";
    const ZoneCountries countries = ParseZoneCountries(zone_tab, zone1970_tab, iso3166_tab);
    EXPECT_EQ(countries.at("Europe/Berlin"),
              (std::vector<std::string>{"Germany", "Denmark", "Norway", "Sweden",
                                        "Svalbard & Jan Mayen"}));
    EXPECT_EQ(countries.at("Europe/Oslo"), std::vector<std::string>{"Norway"});
    EXPECT_EQ(countries.at("Europe/Dublin"), std::vector<std::string>{"Ireland"});
    EXPECT_EQ(countries.at("Etc/Nowhere"), std::vector<std::string>{"ZZ"});  // no name: its code
    EXPECT_EQ(countries.size(), 4u);
    EXPECT_TRUE(ParseZoneCountries("", "", "").empty());
    EXPECT_TRUE(ReadZoneCountries("/nonexistent-folder").empty());
}

TEST(ZoneTables, NamesLinksVersionAndTheSystemsZone) {
    const std::vector<std::string> names = ZoneNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    const auto has = [&](const std::string& name) {
        return std::binary_search(names.begin(), names.end(), name);
    };
    EXPECT_TRUE(has("Europe/Dublin"));
    EXPECT_TRUE(has("America/Argentina/Buenos_Aires"));
    EXPECT_FALSE(has("Asia/Calcutta"));  // a link
    EXPECT_FALSE(has("Factory"));
    const auto links = ZoneLinks();
    EXPECT_NE(std::find(links.begin(), links.end(),
                        std::pair<std::string, std::string>{"Asia/Calcutta", "Asia/Kolkata"}),
              links.end());
    for (const auto& [link, target] : links) EXPECT_TRUE(has(target)) << link << " -> " << target;

    const std::string version = ZoneDatabaseVersion();
    EXPECT_GE(version.size(), 5u);  // "2025b"
    EXPECT_TRUE(version[0] >= '1' && version[0] <= '9') << version;
    EXPECT_FALSE(ReadZoneCountries(ZoneTableFolder()).empty());

    testing::SetEnvironment("TZ", ":Asia/Tokyo");
    EXPECT_EQ(SystemZoneName(), "Asia/Tokyo");
    testing::SetEnvironment("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(SystemZoneName(), std::nullopt);
    testing::SetEnvironment("TZ", "Mars/Olympus_Mons");
    EXPECT_EQ(SystemZoneName(), std::nullopt);
    testing::UnsetEnvironment("TZ");
}

}  // namespace
}  // namespace kalvest
