// The zones of the IANA time zone database, with daylight saving time and,
// before a zone's first rule, the local mean time of its city (LMT). On
// Linux the system's own compiled zone files are read
// (/usr/share/zoneinfo, Debian's tzdata).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
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

// The release of the database in use ("2025b"); "unknown" when it does not
// say. Throws ZoneDatabaseError when the database cannot be read.
std::string ZoneDatabaseVersion();

// The names of the database's zones in alphabetical order, for a user to
// choose from. From the IANA text data these are the zones themselves;
// the compiled zone files of Linux do not tell a zone from a link, which
// then come along. Throws ZoneDatabaseError like ZoneDatabaseVersion.
std::vector<std::string> ZoneDatabaseNames();

// The system's own zone. The TZ environment variable decides when it is
// set: a zone name (a leading ":" is allowed), a path into the zone
// folder, or a rule such as "CET-1CEST,M3.5.0,M10.5.0/3"; set but empty
// it means UTC, as for the C library. Without it the system setting
// (/etc/localtime) decides, and UTC where there is none. Throws
// ZoneDatabaseError when TZ holds none of those forms.
std::unique_ptr<TimeZone> SystemTimeZone();

}  // namespace kalvest
