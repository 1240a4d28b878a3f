// The one file that talks to the date/tz library, so that each platform
// can build that library its own way: on Linux it reads the system's
// compiled zone files (USE_OS_TZDB), elsewhere the IANA text data.
#include "datetime/zone_database.h"

#include <date/tz.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "datetime/posix_zone_rule.h"

#if !USE_OS_TZDB
#include "common/install_layout.h"
#include "common/program_folder.h"
#endif

namespace kalvest {
namespace {

constexpr double kUnixEpochJd = 2440587.5;
// About 28,000 years either side of 1970: far beyond the program's years
// and well inside the years the library's calendar types hold.
constexpr double kSecondsLimit = 8.8e11;

// The whole second of Universal Time that holds the instant.
std::int64_t UnixSeconds(double jd_ut) {
    const double seconds = std::floor((jd_ut - kUnixEpochJd) * 86400.0);
    if (std::isnan(seconds)) return 0;
    return static_cast<std::int64_t>(std::clamp(seconds, -kSecondsLimit, kSecondsLimit));
}

// The library's messages may end in a line feed; ours are one line.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::unique_ptr<TimeZone> Utc() { return std::make_unique<FixedOffsetZone>(0, "UTC"); }

#if USE_OS_TZDB
// Where the library finds the compiled zone files on Linux.
constexpr const char* kZoneFolder = "/usr/share/zoneinfo";

// The whole content of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The rule that closes a compiled zone file of version 2 or later: the
// text between its last two line feeds. Empty when there is none.
std::string ClosingRule(const std::string& zone_name) {
    const std::string bytes = FileBytes(std::string(kZoneFolder) + "/" + zone_name);
    if (bytes.size() < 6 || bytes.compare(0, 4, "TZif") != 0 || bytes[4] < '2' ||
        bytes.back() != '\n') {
        return {};
    }
    const std::size_t start = bytes.rfind('\n', bytes.size() - 2);
    if (start == std::string::npos) return {};
    return bytes.substr(start + 1, bytes.size() - start - 2);
}
#endif

class DatabaseZone final : public TimeZone {
public:
    explicit DatabaseZone(const date::time_zone* zone) : zone_(zone) {
#if USE_OS_TZDB
        // The compiled files list the transitions up to about 2037 only;
        // after the last one the closing rule holds, which the library
        // does not read. Without it every later year would keep the time
        // of the last listed transition, summer and winter alike.
        rule_ = PosixZoneRule::Parse(ClosingRule(zone->name()));
        const date::sys_seconds far{
            std::chrono::seconds{static_cast<std::int64_t>(kSecondsLimit)}};
        rule_from_ = zone_->get_info(far).begin.time_since_epoch().count();
#endif
    }

    ZoneReading At(double jd_ut) const override {
        const std::int64_t t = UnixSeconds(jd_ut);
        if (rule_ && t >= rule_from_) return rule_->At(t);
        const date::sys_info info =
            zone_->get_info(date::sys_seconds{std::chrono::seconds{t}});
        return {static_cast<std::int32_t>(info.offset.count()), info.abbrev};
    }

private:
    const date::time_zone* zone_;
    std::optional<PosixZoneRule> rule_;
    std::int64_t rule_from_ = 0;
};

class RuleZone final : public TimeZone {
public:
    explicit RuleZone(PosixZoneRule rule) : rule_(std::move(rule)) {}
    ZoneReading At(double jd_ut) const override { return rule_.At(UnixSeconds(jd_ut)); }

private:
    PosixZoneRule rule_;
};

// Reads the database once; the lookups below then only search it.
void EnsureDatabase() {
    try {
#if !USE_OS_TZDB
        // The IANA text files travel with the program, in the folder
        // "tzdata" among its data files; without this the library would
        // look in the user's download folder.
        static const bool located = [] {
            date::set_install(DataFolder() + PathSeparator() + "tzdata");
            return true;
        }();
        (void)located;
#endif
        date::get_tzdb();
    } catch (const std::exception& e) {
        throw ZoneDatabaseError("cannot read the time zone database: " + OneLine(e.what()));
    }
}

std::unique_ptr<TimeZone> OpenZone(const date::time_zone* zone) {
    try {
        return std::make_unique<DatabaseZone>(zone);
    } catch (const std::exception& e) {
        throw ZoneDatabaseError("cannot read the time zone " + zone->name() + ": " +
                                OneLine(e.what()));
    }
}

// The TZ variable's value: a zone name or a path into the zone folder,
// else a rule.
std::unique_ptr<TimeZone> ZoneOfTzVariable(std::string text) {
    if (text.empty()) return Utc();
    if (text.front() == ':') text.erase(0, 1);
#if USE_OS_TZDB
    const std::string folder = std::string(kZoneFolder) + "/";
    if (text.rfind(folder, 0) == 0) text.erase(0, folder.size());
#endif
    try {
        if (std::unique_ptr<TimeZone> zone = NamedTimeZone(text)) return zone;
    } catch (const ZoneDatabaseError&) {
        if (!PosixZoneRule::Parse(text)) throw;  // a rule needs no database
    }
    if (std::optional<PosixZoneRule> rule = PosixZoneRule::Parse(text)) {
        return std::make_unique<RuleZone>(std::move(*rule));
    }
    throw ZoneDatabaseError("TZ='" + text + "' is neither a zone name nor a zone rule");
}

}  // namespace

std::unique_ptr<TimeZone> NamedTimeZone(const std::string& name) {
    EnsureDatabase();
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(name);
    } catch (const std::runtime_error&) {
        return nullptr;  // no zone of that name
    }
    return OpenZone(zone);
}

std::unique_ptr<TimeZone> ZoneOfCompiledFileCopy(const std::string& path) {
#if USE_OS_TZDB
    const std::string wanted = FileBytes(path);
    if (wanted.compare(0, 4, "TZif") != 0) return nullptr;
    EnsureDatabase();
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        const std::string file = std::string(kZoneFolder) + "/" + std::string(zone.name());
        std::error_code error;
        if (std::filesystem::file_size(file, error) == wanted.size() && !error &&
            FileBytes(file) == wanted) {
            return OpenZone(&zone);
        }
    }
#else
    (void)path;
#endif
    return nullptr;
}

std::unique_ptr<TimeZone> SystemTimeZone() {
    if (const char* tz = std::getenv("TZ")) return ZoneOfTzVariable(tz);
    const date::time_zone* zone = nullptr;
    try {
        EnsureDatabase();
        zone = date::current_zone();
    } catch (const std::exception&) {
        // The library follows a link into the zone folder, or reads the
        // zone's name from /etc/timezone; a copy of a zone file without
        // that name it cannot place. Where nothing is readable, the C
        // library's choice: Universal Time.
        try {
            if (std::unique_ptr<TimeZone> copy = ZoneOfCompiledFileCopy("/etc/localtime")) {
                return copy;
            }
        } catch (const std::exception&) {
        }
        return Utc();
    }
    return OpenZone(zone);
}

std::unique_ptr<TimeZone> UserNamedTimeZone(const std::string& name) {
    return name == "local" ? SystemTimeZone() : NamedTimeZone(name);
}

namespace {

// A name the database lists that is no place's zone: the folders of
// other file variants, and the placeholder zone of systems not set up.
bool IsListedZone(const std::string& name) {
    return name.rfind("posix/", 0) != 0 && name.rfind("right/", 0) != 0 && name != "Factory" &&
           name != "localtime" && name != "posixrules";
}

struct NamesAndLinks {
    std::vector<std::string> names;
    std::vector<std::pair<std::string, std::string>> links;
};

NamesAndLinks ReadNamesAndLinks() {
    EnsureDatabase();
    NamesAndLinks result;
    const date::tzdb& database = date::get_tzdb();
#if USE_OS_TZDB
    // The compiled files give each other name of a zone as a symbolic link
    // to its file, which the library lists as a zone of its own.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::canonical(kZoneFolder, error);
    for (const date::time_zone& zone : database.zones) {
        const std::string& name = zone.name();
        if (!IsListedZone(name)) continue;
        const fs::path path = fs::path(kZoneFolder) / name;
        if (!error && fs::is_symlink(path, error)) {
            const fs::path target = fs::canonical(path, error);
            if (!error) {
                result.links.emplace_back(name, target.lexically_relative(folder).generic_string());
                continue;
            }
            error.clear();
        }
        result.names.push_back(name);
    }
#else
    for (const date::time_zone& zone : database.zones) {
        if (IsListedZone(zone.name())) result.names.push_back(zone.name());
    }
    for (const date::time_zone_link& link : database.links) {
        result.links.emplace_back(link.name(), link.target());
    }
#endif
    std::sort(result.names.begin(), result.names.end());
    std::sort(result.links.begin(), result.links.end());
    return result;
}

}  // namespace

std::vector<std::string> ZoneNames() { return ReadNamesAndLinks().names; }

std::vector<std::pair<std::string, std::string>> ZoneLinks() { return ReadNamesAndLinks().links; }

std::string ZoneDatabaseVersion() {
    EnsureDatabase();
    std::string version = date::get_tzdb().version;
#if USE_OS_TZDB
    // The library finds no version among the compiled files; the text
    // form beside them begins with it ("# version 2025b").
    if (version == "unknown") {
        std::ifstream file(std::string(kZoneFolder) + "/tzdata.zi");
        std::string line;
        const std::string mark = "# version ";
        if (std::getline(file, line) && line.rfind(mark, 0) == 0) version = line.substr(mark.size());
        while (!version.empty() && (version.back() == '\r' || version.back() == ' ')) {
            version.pop_back();
        }
        if (version.empty()) version = "unknown";
    }
#endif
    return version;
}

std::optional<std::string> SystemZoneName() {
    if (const char* tz = std::getenv("TZ")) {
        std::string text = tz;
        if (!text.empty() && text.front() == ':') text.erase(0, 1);
#if USE_OS_TZDB
        const std::string folder = std::string(kZoneFolder) + "/";
        if (text.rfind(folder, 0) == 0) text.erase(0, folder.size());
#endif
        try {
            if (text.empty() || !NamedTimeZone(text)) return std::nullopt;
        } catch (const ZoneDatabaseError&) {
            return std::nullopt;
        }
        return text;
    }
    try {
        EnsureDatabase();
        return date::current_zone()->name();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string ZoneTableFolder() {
#if USE_OS_TZDB
    return kZoneFolder;
#else
    return DataFolder() + PathSeparator() + "tzdata";
#endif
}

}  // namespace kalvest
