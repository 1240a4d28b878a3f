// The zones of the IANA time zone database, with daylight saving time and,
// before a zone's first rule, the local mean time of its city (LMT). On
// Linux the system's own compiled zone files are read
// (/usr/share/zoneinfo, Debian's tzdata).
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "datetime/time_zone.h"

namespace kalvest {

// The zone database cannot be read, or the system's own zone cannot be
// made out.
class ZoneDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The zone of that name ("Europe/Dublin", "Asia/Kathmandu", "UTC"); null
// when the database has no such zone. Throws ZoneDatabaseError when the
// database cannot be read at all.
std::unique_ptr<TimeZone> NamedTimeZone(const std::string& name);

// The zone a user names on a command line: "local" for SystemTimeZone,
// otherwise NamedTimeZone. Null for an unknown name; throws as they do.
std::unique_ptr<TimeZone> UserNamedTimeZone(const std::string& name);

// The system's own zone. The TZ environment variable decides when it is
// set: a zone name (a leading ":" is allowed), a path into the zone
// folder, or a rule such as "CET-1CEST,M3.5.0,M10.5.0/3"; set but empty
// it means UTC, as for the C library. Without it the system setting
// (/etc/localtime, a link into the zone folder or a copy of one of its
// files) decides, and UTC where there is none. Throws ZoneDatabaseError
// when TZ holds none of those forms.
std::unique_ptr<TimeZone> SystemTimeZone();

// The names of the database's zones ("Africa/Abidjan" .. "UTC"), sorted,
// without the links that give a zone another name. Throws
// ZoneDatabaseError when the database cannot be read.
std::vector<std::string> ZoneNames();

// The links: each older or other name with the zone it stands for
// ({"Asia/Calcutta", "Asia/Kolkata"}), sorted by name. Throws as ZoneNames.
std::vector<std::pair<std::string, std::string>> ZoneLinks();

// The database's version ("2025b"), or "unknown" when its files do not
// say. Throws as ZoneNames.
std::string ZoneDatabaseVersion();

// The database name of the system's own zone (SystemTimeZone's) when it
// has one: the TZ variable's zone name, or the system setting's zone.
// Nothing for a TZ rule, for a TZ that names no zone, and where no
// setting can be read.
std::optional<std::string> SystemZoneName();

// The folder of the database's tables (zone.tab, zone1970.tab,
// iso3166.tab): the system's zone folder, or on Windows the zone data
// beside the program.
std::string ZoneTableFolder();

// The database zone whose compiled file holds the very bytes of the file
// at `path`, as a copied /etc/localtime does; null when none does or the
// file is no compiled zone. Only where the system's compiled zone files
// are read (Linux); elsewhere null.
std::unique_ptr<TimeZone> ZoneOfCompiledFileCopy(const std::string& path);

}  // namespace kalvest
