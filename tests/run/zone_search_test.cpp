// The zone chooser's search: how it ranks a made-up catalogue, then what
// it finds in the system's database, with the standard times and the
// nearest fixed offsets that the settings file keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "datetime/zone_database.h"
#include "portable_test_support.h"
#include "run/zone_list.h"
#include "run/zone_search.h"

namespace kalvest {
namespace {

ZoneChoice Zone(std::string name, std::vector<std::string> countries,
                std::vector<std::string> abbreviations, std::vector<std::string> other = {}) {
    ZoneChoice zone;
    zone.city = CityOfZone(name);
    zone.name = std::move(name);
    zone.countries = std::move(countries);
    zone.abbreviations = std::move(abbreviations);
    zone.other_names = std::move(other);
    return zone;
}

std::vector<std::string> Found(const ZoneCatalogue& catalogue, const std::string& query) {
    std::vector<std::string> names;
    for (const std::size_t i : SearchZones(catalogue, query)) names.push_back(catalogue.zones[i].name);
    return names;
}

ZoneCatalogue MadeUp() {
    ZoneCatalogue catalogue;
    catalogue.zones = {
        Zone("America/Argentina/Buenos_Aires", {"Argentina"}, {"-03"}),
        Zone("America/Indiana/Indianapolis", {"United States"}, {"EST", "EDT"}),
        Zone("Asia/Jerusalem", {"Israel"}, {"IST", "IDT"}),
        Zone("Asia/Kolkata", {"India"}, {"IST"}, {"Asia/Calcutta"}),
        Zone("Europe/Dublin", {"Ireland"}, {"GMT", "IST"}, {"Eire"}),
        Zone("Europe/Istanbul", {"Turkey"}, {"+03"}),
        Zone("Europe/London", {"United Kingdom"}, {"GMT", "BST"}),
    };
    catalogue.system_zone = "Europe/London";
    return catalogue;
}

TEST(ZoneSearch, WholeMatchesFirstThenWordStartsThenTheRestTheSystemZoneBeforeAll) {
    const ZoneCatalogue catalogue = MadeUp();
    // Nothing typed: every zone, the system's first, then by name.
    const std::vector<std::string> all = Found(catalogue, "  ");
    ASSERT_EQ(all.size(), catalogue.zones.size());
    EXPECT_EQ(all.front(), "Europe/London");
    EXPECT_TRUE(std::is_sorted(all.begin() + 1, all.end()));

    // An abbreviation as a whole; "ist" also begins Istanbul's name.
    EXPECT_EQ(Found(catalogue, "IST"),
              (std::vector<std::string>{"Asia/Jerusalem", "Asia/Kolkata", "Europe/Dublin",
                                        "Europe/Istanbul"}));
    // A country, a city with its blank or underscore, an older name.
    EXPECT_EQ(Found(catalogue, "ireland"), std::vector<std::string>{"Europe/Dublin"});
    EXPECT_EQ(Found(catalogue, "buenos aires"),
              std::vector<std::string>{"America/Argentina/Buenos_Aires"});
    EXPECT_EQ(Found(catalogue, "Buenos_Aires"), Found(catalogue, "buenos aires"));
    EXPECT_EQ(Found(catalogue, "calcutta"), std::vector<std::string>{"Asia/Kolkata"});
    // Words in any order, each somewhere: "indiana" begins a word of the
    // name, "polis" lies inside one.
    EXPECT_EQ(Found(catalogue, "polis indiana"),
              std::vector<std::string>{"America/Indiana/Indianapolis"});
    // Inside a word counts too, after the zones where a word begins with it.
    EXPECT_EQ(Found(catalogue, "land"), std::vector<std::string>{"Europe/Dublin"});
    EXPECT_EQ(Found(catalogue, "king"), std::vector<std::string>{"Europe/London"});
    const std::vector<std::string> in = Found(catalogue, "in");
    ASSERT_FALSE(in.empty());
    // "in" begins India and Indiana; Argentina, Dublin and the United
    // Kingdom hold it inside, London as the system's zone before all.
    EXPECT_EQ(in, (std::vector<std::string>{"Europe/London", "America/Indiana/Indianapolis",
                                            "Asia/Kolkata", "America/Argentina/Buenos_Aires",
                                            "Europe/Dublin"}));
    // The system's zone leads whenever it matches.
    EXPECT_EQ(Found(catalogue, "gmt"),
              (std::vector<std::string>{"Europe/London", "Europe/Dublin"}));
    EXPECT_TRUE(Found(catalogue, "Mars/Olympus").empty());

    EXPECT_EQ(ZoneChoiceText(catalogue.zones[4]), "Europe/Dublin  (Ireland; GMT, IST)");
    EXPECT_EQ(ZoneChoiceText(catalogue.zones[6], true),
              "Europe/London  (United Kingdom; GMT, BST) - this computer's zone");
    EXPECT_EQ(ZoneChoiceText(Zone("Etc/UTC", {}, {})), "Etc/UTC");
}

TEST(ZoneSearch, FindsTheDatabasesZonesByWhatUsersKnow) {
    testing::SetEnvironment("TZ", "Asia/Tokyo");
    const ZoneCatalogue catalogue = LoadZoneCatalogue(2025);
    testing::UnsetEnvironment("TZ");
    ASSERT_GT(catalogue.zones.size(), 300u);
    EXPECT_EQ(catalogue.system_zone, "Asia/Tokyo");
    EXPECT_EQ(Found(catalogue, "").front(), "Asia/Tokyo");
    const auto first = [&](const std::string& query) {
        const std::vector<std::string> found = Found(catalogue, query);
        return found.empty() ? std::string() : found.front();
    };
    EXPECT_EQ(first("Ireland"), "Europe/Dublin");
    EXPECT_EQ(first("dublin"), "Europe/Dublin");
    EXPECT_EQ(first("China"), "Asia/Shanghai");
    EXPECT_EQ(first("buenos aires"), "America/Argentina/Buenos_Aires");
    EXPECT_EQ(first("Calcutta"), "Asia/Kolkata");
    EXPECT_EQ(first("Nepal"), "Asia/Kathmandu");
    for (const char* zone : {"Asia/Kolkata", "Europe/Dublin", "Asia/Jerusalem"}) {
        const std::vector<std::string> ist = Found(catalogue, "IST");
        EXPECT_NE(std::find(ist.begin(), ist.end(), zone), ist.end()) << zone;
    }
    const std::vector<std::string> cst = Found(catalogue, "CST");
    EXPECT_NE(std::find(cst.begin(), cst.end(), "Asia/Shanghai"), cst.end());
    EXPECT_NE(std::find(cst.begin(), cst.end(), "America/Chicago"), cst.end());
    // Links are other names of their zone, not zones of their own.
    for (const ZoneChoice& zone : catalogue.zones) {
        EXPECT_NE(zone.name, "Asia/Calcutta");
        EXPECT_NE(zone.name.rfind("posix/", 0), 0u) << zone.name;
    }
    const auto dublin = std::find_if(catalogue.zones.begin(), catalogue.zones.end(),
                                     [](const ZoneChoice& z) { return z.name == "Europe/Dublin"; });
    ASSERT_NE(dublin, catalogue.zones.end());
    EXPECT_EQ(dublin->abbreviations, (std::vector<std::string>{"GMT", "IST"}));
    EXPECT_EQ(dublin->countries, std::vector<std::string>{"Ireland"});
    EXPECT_EQ(dublin->standard_offset_seconds, 0);
}

// A system zone the database does not name (a TZ rule) is offered as
// "local".
TEST(ZoneSearch, ASystemZoneWithoutANameIsOfferedAsLocalTime) {
    testing::SetEnvironment("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    const ZoneCatalogue catalogue = LoadZoneCatalogue(2025);
    testing::UnsetEnvironment("TZ");
    EXPECT_EQ(catalogue.system_zone, "local");
    ASSERT_FALSE(catalogue.zones.empty());
    EXPECT_EQ(catalogue.zones.front().name, "local");
    EXPECT_EQ(catalogue.zones.front().abbreviations, (std::vector<std::string>{"CET", "CEST"}));
    EXPECT_EQ(catalogue.zones.front().standard_offset_seconds, 3600);
    EXPECT_EQ(Found(catalogue, "local").front(), "local");
    EXPECT_EQ(ZoneTitleName("local"), "local time");
    EXPECT_EQ(ZoneTitleName("Europe/Dublin"), "Europe/Dublin");
}

// What an older release reads while a named zone is chosen: the fixed
// offset nearest the zone's standard time.
TEST(ZoneSearch, StandardTimeAndTheNearestFixedOffset) {
    const struct {
        const char* zone;
        std::int32_t standard_seconds;
        const char* nearest;
    } cases[] = {
        {"Europe/Dublin", 0, "GMT"},               // summer time is Irish "standard"
        {"Asia/Shanghai", 8 * 3600, "GMT+08:00"},
        {"Asia/Kolkata", 19800, "GMT+05:30"},
        {"Asia/Kathmandu", 20700, "GMT+05:30"},    // midway: toward GMT
        {"America/St_Johns", -12600, "GMT-03:30"},
        {"America/New_York", -5 * 3600, "GMT-05:00"},
        {"Australia/Lord_Howe", 37800, "GMT+10:30"},
        {"Australia/Eucla", 31500, "GMT+08:30"},   // +08:45, midway
        {"Pacific/Chatham", 45900, "GMT+12:00"},   // +12:45, beyond the list
        {"Pacific/Kiritimati", 14 * 3600, "GMT+12:00"},
        {"Pacific/Pago_Pago", -11 * 3600, "GMT-11:00"},
        {"Etc/GMT+12", -12 * 3600, "GMT-12:00"},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TimeZone> zone = NamedTimeZone(c.zone);
        ASSERT_NE(zone, nullptr) << c.zone;
        const std::int32_t standard = StandardOffsetSeconds(*zone, 2025);
        EXPECT_EQ(standard, c.standard_seconds) << c.zone;
        EXPECT_EQ(ZoneList()[NearestZoneIndex(standard)].text, c.nearest) << c.zone;
    }
    // The nearest entry of every offset, in steps of a minute over two
    // days either way: never more than a quarter hour off inside the list.
    for (std::int32_t minutes = -2880; minutes <= 2880; ++minutes) {
        const int index = NearestZoneIndex(minutes * 60);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, kZoneCount);
        const int off = std::abs(ZoneList()[index].minutes - minutes);
        if (std::abs(minutes) <= 720) {
            EXPECT_LE(off, 15) << minutes;
        }
    }
    EXPECT_EQ(ZoneList()[NearestZoneIndex(15 * 60)].text, "GMT");  // midway: toward GMT
    EXPECT_EQ(ZoneList()[NearestZoneIndex(16 * 60)].text, "GMT+00:30");
    EXPECT_EQ(ZoneList()[NearestZoneIndex(-16 * 60)].text, "GMT-00:30");
    EXPECT_EQ(ZoneList()[NearestZoneIndex(-25 * 60 - 21)].text, "GMT-00:30");  // Dublin's LMT
}

}  // namespace
}  // namespace kalvest
