#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "datetime/date_time_text.h"
#include "datetime/local_time.h"
#include "datetime/posix_zone_rule.h"
#include "datetime/time_zone.h"
#include "datetime/zone_database.h"
#include "portable_test_support.h"
#include "run/zone_list.h"

namespace kalvest {
namespace {

constexpr double kUnixEpochJd = 2440587.5;

// Half a second past the whole second: a boundary test never depends on
// how the Julian Day rounds.
double JdOfUnix(std::int64_t seconds, double extra = 0.5) {
    return kUnixEpochJd + (static_cast<double>(seconds) + extra) / 86400.0;
}

std::int64_t UnixOf(int year, int month, int day, int hour, int minute, int second = 0) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / month / day};
    return std::int64_t{date.time_since_epoch().count()} * 86400 + hour * 3600 + minute * 60 +
           second;
}

std::unique_ptr<TimeZone> Zone(const std::string& name) {
    std::unique_ptr<TimeZone> zone = NamedTimeZone(name);
    EXPECT_NE(zone, nullptr) << name;
    return zone;
}

struct Boundary {
    const char* zone;
    int year, month, day, hour, minute, second;  // UT of the change
    std::int32_t before_seconds;
    const char* before_abbreviation;
    std::int32_t after_seconds;
    const char* after_abbreviation;
};

// Changes of offset at known instants, one zone of each odd kind: Irish
// summer time (standard time in Irish law, so winter is the "daylight"
// part in the database), Newfoundland's half hours, Lord Howe's half-hour
// summer time, Chatham's quarter hours, Nepal's move to +05:45, and the end
// of local mean time in Dublin. The 2038 and 2050 lines lie beyond the zone
// files' listed transitions, where their closing rule holds.
const Boundary kBoundaries[] = {
    {"Europe/Dublin", 2024, 3, 31, 1, 0, 0, 0, "GMT", 3600, "IST"},
    {"Europe/Dublin", 2024, 10, 27, 1, 0, 0, 3600, "IST", 0, "GMT"},
    {"Europe/Dublin", 2038, 3, 28, 1, 0, 0, 0, "GMT", 3600, "IST"},
    {"Europe/Dublin", 2050, 10, 30, 1, 0, 0, 3600, "IST", 0, "GMT"},
    {"Europe/Dublin", 1880, 8, 2, 0, 25, 21, -1521, "LMT", -1521, "DMT"},
    {"America/St_Johns", 2024, 3, 10, 5, 30, 0, -12600, "NST", -9000, "NDT"},
    {"America/St_Johns", 2060, 11, 7, 4, 30, 0, -9000, "NDT", -12600, "NST"},
    {"Australia/Lord_Howe", 2024, 10, 5, 15, 30, 0, 37800, "+1030", 39600, "+11"},
    {"Australia/Lord_Howe", 2100, 4, 3, 15, 0, 0, 39600, "+11", 37800, "+1030"},
    {"Pacific/Chatham", 2024, 9, 28, 14, 0, 0, 45900, "+1245", 49500, "+1345"},
    {"Pacific/Chatham", 2200, 9, 27, 14, 0, 0, 45900, "+1245", 49500, "+1345"},
    {"Asia/Kathmandu", 1985, 12, 31, 18, 30, 0, 19800, "+0530", 20700, "+0545"},
    // Greenland's changes at -1:00 local time, on the Saturday night.
    {"America/Nuuk", 2040, 3, 25, 1, 0, 0, -7200, "-02", -3600, "-01"},
};

TEST(TimeZone, KnownChangesOfOffset) {
    for (const Boundary& b : kBoundaries) {
        const std::unique_ptr<TimeZone> zone = Zone(b.zone);
        ASSERT_NE(zone, nullptr);
        const std::int64_t change =
            UnixOf(b.year, b.month, b.day, b.hour, b.minute, b.second);
        const ZoneReading before = zone->At(JdOfUnix(change - 1));
        const ZoneReading after = zone->At(JdOfUnix(change));
        const std::string where = std::string(b.zone) + " " + std::to_string(b.year);
        EXPECT_EQ(before.offset_seconds, b.before_seconds) << where;
        EXPECT_EQ(before.abbreviation, b.before_abbreviation) << where;
        EXPECT_EQ(after.offset_seconds, b.after_seconds) << where;
        EXPECT_EQ(after.abbreviation, b.after_abbreviation) << where;
    }
}

TEST(TimeZone, LocalMeanTimeKeepsItsSeconds) {
    // Dublin's mean time was 25 min 21 s behind Greenwich: 12:00:00 UT is
    // 11:34:39 local, shown as 11:34.
    EuroDate record{};
    const LocalTime noon =
        ToLocalTime(JdOfUnix(UnixOf(1850, 6, 21, 12, 0), 0.0), *Zone("Europe/Dublin"),
                    kCalendarGregorian, record);
    EXPECT_EQ(noon.DateTimeZone(), "1850-06-21 CE 11:34 LMT");
    EXPECT_EQ(noon.offset_seconds, -1521);
    // Years long before the zone's rules take the same mean time.
    EXPECT_EQ(Zone("Europe/Dublin")->At(1000000.0).abbreviation, "LMT");
}

TEST(TimeZone, FixedZonesGiveTheWindowsTexts) {
    // Through ToLocalTime a fixed zone writes exactly what the window's
    // DateTimeText and ZoneSuffix write, for every zone of the list.
    for (const ZoneEntry& entry : ZoneList()) {
        const FixedOffsetZone zone(entry.minutes * 60, ZoneSuffix(entry.minutes).substr(1));
        for (double jd = 625000.3; jd < 2817000.0; jd += 9731.123457) {
            EuroDate by_window{};
            EuroDate by_zone{};
            const std::string expected =
                DateTimeText(jd, entry.minutes, kCalendarJulian, by_window) +
                ZoneSuffix(entry.minutes);
            const LocalTime local = ToLocalTime(jd, zone, kCalendarJulian, by_zone);
            ASSERT_EQ(local.DateTimeZone(), expected) << entry.text << " " << jd;
            EXPECT_EQ(local.weekday, euro_day_of_week(by_window.jdn));
            EXPECT_EQ(by_zone.jdn, by_window.jdn);
        }
    }
}

TEST(TimeZone, UnknownNamesFindNoZone) {
    EXPECT_EQ(NamedTimeZone("Mars/Olympus_Mons"), nullptr);
    EXPECT_EQ(NamedTimeZone("../../etc/passwd"), nullptr);
    EXPECT_EQ(NamedTimeZone(""), nullptr);
    EXPECT_NE(NamedTimeZone("UTC"), nullptr);
}

#if !defined(_WIN32)
// Sets TZ for one scope and restores it.
class ScopedTz {
public:
    explicit ScopedTz(const char* value) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        if (value) {
            setenv("TZ", value, 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    ~ScopedTz() {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST(TimeZone, SystemZoneFollowsTz) {
    const double july = JdOfUnix(UnixOf(2024, 7, 1, 12, 0));
    for (const char* dublin : {"Europe/Dublin", ":Europe/Dublin",
                               "/usr/share/zoneinfo/Europe/Dublin"}) {
        ScopedTz tz(dublin);
        EXPECT_EQ(SystemTimeZone()->At(july).abbreviation, "IST") << dublin;
    }
    {
        ScopedTz tz("CET-1CEST,M3.5.0,M10.5.0/3");
        const ZoneReading reading = SystemTimeZone()->At(july);
        EXPECT_EQ(reading.abbreviation, "CEST");
        EXPECT_EQ(reading.offset_seconds, 7200);
    }
    {
        ScopedTz tz("");
        EXPECT_EQ(SystemTimeZone()->At(july).abbreviation, "UTC");
    }
    {
        ScopedTz tz("Not a zone!");
        EXPECT_THROW(SystemTimeZone(), ZoneDatabaseError);
    }
    {
        ScopedTz tz(nullptr);
        EXPECT_NE(SystemTimeZone(), nullptr);
    }
}

// /etc/localtime copied rather than linked: the zone is found by the
// file's bytes, with its whole history, local mean time included.
TEST(TimeZone, ACopiedZoneFileIsItsZone) {
    const std::filesystem::path folder = testing::MakeTemporaryFolder("kalvest-zone-copy");
    ASSERT_FALSE(folder.empty());
    const std::filesystem::path copy = folder / "localtime";
    std::error_code error;
    std::filesystem::copy_file("/usr/share/zoneinfo/Pacific/Chatham", copy, error);
    if (error) GTEST_SKIP() << "no /usr/share/zoneinfo/Pacific/Chatham";
    const std::unique_ptr<TimeZone> zone = ZoneOfCompiledFileCopy(copy.string());
    ASSERT_NE(zone, nullptr);
    const ZoneReading summer = zone->At(JdOfUnix(UnixOf(2026, 12, 8, 0, 0)));
    EXPECT_EQ(summer.offset_seconds, (13 * 60 + 45) * 60);
    EXPECT_EQ(summer.abbreviation, "+1345");
    EXPECT_EQ(zone->At(JdOfUnix(UnixOf(1850, 1, 1, 0, 0))).abbreviation, "LMT");
    std::ofstream(folder / "other") << "TZif2, but no zone of the database";
    EXPECT_EQ(ZoneOfCompiledFileCopy((folder / "other").string()), nullptr);
    EXPECT_EQ(ZoneOfCompiledFileCopy((folder / "absent").string()), nullptr);
    std::filesystem::remove_all(folder, error);
}
#endif

TEST(PosixZoneRule, ReadsTheRuleForms) {
    const double jan = JdOfUnix(UnixOf(2030, 1, 15, 0, 0));
    const double jul = JdOfUnix(UnixOf(2030, 7, 15, 0, 0));
    const auto at = [](const char* text, double jd) {
        const std::optional<PosixZoneRule> rule = PosixZoneRule::Parse(text);
        EXPECT_TRUE(rule) << text;
        const std::int64_t seconds = static_cast<std::int64_t>((jd - kUnixEpochJd) * 86400.0);
        return rule ? rule->At(seconds) : ZoneReading{};
    };
    EXPECT_EQ(at("EST5EDT,M3.2.0,M11.1.0", jul).offset_seconds, -4 * 3600);
    EXPECT_EQ(at("EST5EDT,M3.2.0,M11.1.0", jan).abbreviation, "EST");
    EXPECT_EQ(at("EST5EDT", jul).abbreviation, "EDT");  // the C library's default dates
    EXPECT_EQ(at("<+0545>-5:45", jan).offset_seconds, 20700);
    EXPECT_EQ(at("<+0545>-5:45", jan).abbreviation, "+0545");
    // Southern summer over New Year; negative daylight time (Dublin).
    EXPECT_EQ(at("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", jan).abbreviation, "+11");
    EXPECT_EQ(at("IST-1GMT0,M10.5.0,M3.5.0/1", jul).abbreviation, "IST");
    EXPECT_EQ(at("IST-1GMT0,M10.5.0,M3.5.0/1", jan).offset_seconds, 0);
    // Day-of-year forms, with and without February 29, and daylight time
    // all year (its end meets the next start).
    EXPECT_EQ(at("XXX3YYY,J60/0,J61/0", JdOfUnix(UnixOf(2032, 3, 1, 3, 30))).abbreviation, "YYY");
    EXPECT_EQ(at("XXX3YYY,59/0,60/0", JdOfUnix(UnixOf(2032, 2, 29, 3, 30))).abbreviation, "YYY");
    EXPECT_EQ(at("EST5EDT4,0/0,J365/25", jan).abbreviation, "EDT");
    EXPECT_EQ(at("EST5EDT4,0/0,J365/25", JdOfUnix(UnixOf(2031, 1, 1, 4, 30))).abbreviation,
              "EDT");

    for (const char* bad : {"", "E5", "EST", "EST5EDT,M3.2.0", "EST5EDT,M13.1.0,M11.1.0",
                            "EST5EDT,M3.6.0,M11.1.0", "EST5EDT,M3.2.7,M11.1.0", "<>5",
                            "<EST5", "EST5EDT,J0,J365", "EST5EDT,M3.2.0/168,M11.1.0",
                            "EST99", "EST5 ", "EST5EDT,M3.2.0,M11.1.0x"}) {
        EXPECT_FALSE(PosixZoneRule::Parse(bad)) << bad;
    }
}

#if defined(__GLIBC__)  // also needs ScopedTz, above
// The C library reads the same zone files, their closing rules included,
// independently of the date/tz library and of PosixZoneRule: every
// canonical zone of the database must agree with it from 1700 to 2500.
std::vector<std::string> CanonicalZoneNames() {
    std::vector<std::string> names;
    std::ifstream data("/usr/share/zoneinfo/tzdata.zi");
    for (std::string line; std::getline(data, line);) {
        if (line.rfind("Z ", 0) != 0) continue;
        std::istringstream fields(line.substr(2));
        std::string name;
        fields >> name;
        // "Factory" marks an unset zone; the date/tz library leaves it out.
        if (name != "Factory") names.push_back(name);
    }
    return names;
}

TEST(TimeZone, EveryZoneAgreesWithTheCLibrary) {
    const std::vector<std::string> names = CanonicalZoneNames();
    if (names.empty()) GTEST_SKIP() << "no /usr/share/zoneinfo/tzdata.zi";
    const std::int64_t first = UnixOf(1700, 1, 1, 0, 0);
    const std::int64_t last = UnixOf(2500, 1, 1, 0, 0);
    int compared = 0;
    for (const std::string& name : names) {
        const std::unique_ptr<TimeZone> zone = NamedTimeZone(name);
        ASSERT_NE(zone, nullptr) << name;
        ScopedTz tz(name.c_str());
        // About four instants a year, wandering through the seasons and
        // the hours.
        for (std::int64_t t = first; t < last; t += 7907713) {
            const std::time_t when = static_cast<std::time_t>(t);
            std::tm local{};
            ASSERT_NE(localtime_r(&when, &local), nullptr);
            const ZoneReading reading = zone->At(JdOfUnix(t));
            ASSERT_EQ(reading.offset_seconds, local.tm_gmtoff) << name << " at " << t;
            ASSERT_EQ(reading.abbreviation, local.tm_zone) << name << " at " << t;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100000);
}

// What a user chooses from: every zone, sorted, each of which opens, and
// the release the zone files say they are.
TEST(TimeZone, DatabaseListsItsZonesAndRelease) {
    const std::vector<std::string> canonical = CanonicalZoneNames();
    if (canonical.empty()) GTEST_SKIP() << "no /usr/share/zoneinfo/tzdata.zi";
    const std::vector<std::string> names = ZoneNames();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (const std::string& name : canonical) {
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
    }
    for (const std::string& name : names) EXPECT_NE(NamedTimeZone(name), nullptr) << name;
    std::ifstream data("/usr/share/zoneinfo/tzdata.zi");
    std::string first_line;
    std::getline(data, first_line);
    EXPECT_EQ("# version " + ZoneDatabaseVersion(), first_line);
}
#endif

}  // namespace
}  // namespace kalvest
