// The window program's own command-line arguments, all read before the
// window toolkit starts, so that they work without a display:
//   --help, --version  print and end the program;
//   --moon             opens the moon list of the main window's year at
//                      start (the desktop entry's "Moon list" action);
//   --wheel            opens the wheel of the year at start (the desktop
//                      entry's "Wheel of the year" action);
//   --tz NAME          selects a zone of the time zone database (or
//                      "local", the system's zone) in the main window, as
//                      the zone chooser would, for every view, daylight
//                      saving time included; for this run only.
// Every other argument is left to the toolkit (for example "-platform
// offscreen"); none of the toolkit's options takes a value that starts
// with "--".
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "datetime/time_zone.h"

namespace kalvest {

// The line --version prints first: "Kalvest 7.0", the window's caption.
std::string WindowProgramVersionLine();

// Handles --help and --version among `args` (without the program name):
// writes the text to `out` and returns the exit status; std::nullopt when
// neither is there and the window is to start. Either one wins wherever it
// stands, before anything else is read.
std::optional<int> HandleInformationOptions(const std::vector<std::string>& args,
                                            std::ostream& out);

// What the arguments ask of the window's start.
struct WindowStart {
    bool moon_list = false;
    bool wheel = false;
    std::unique_ptr<TimeZone> zone;  // null: the zone the window restores
    std::string zone_name;           // as given: "Europe/Dublin", "local"
    // One line about a bad argument (a missing or unknown zone, an
    // unreadable zone database); empty when the window may start.
    std::string error;
};

// Reads --moon, --wheel and --tz among `args` (without the program name).
WindowStart ReadWindowStart(const std::vector<std::string>& args);

}  // namespace kalvest
