// What the window program's own arguments ask of its start, beyond the
// toolkit's options (which the toolkit takes out first):
//   --moon       opens the moon list of the main window's year at start
//                (the desktop entry's "Moon list" action);
//   --wheel      opens the wheel of the year at start (the desktop entry's
//                "Wheel of the year" action);
//   --tz NAME    shows the moon list and the wheel in a zone of the time
//                zone database (or "local", the system's zone) instead of
//                the main window's fixed offset, with daylight saving time.
// Other arguments are left alone.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "datetime/time_zone.h"

namespace kalvest {

struct WindowStart {
    bool moon_list = false;
    bool wheel = false;
    std::unique_ptr<TimeZone> moon_zone;  // null: the main window's zone
    std::string moon_zone_name;           // as given; "local time" for local
    // One line about a bad argument (a missing or unknown zone, an
    // unreadable zone database); empty when the window may start.
    std::string error;
};

// `args` without the program name.
WindowStart ReadWindowStart(const std::vector<std::string>& args);

}  // namespace kalvest
