// The arguments of kalvest-cli: what they ask for, or what to print
// instead (the help, the version, or one line about a bad argument).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "export/export_plan.h"
#include "run/calculation_run.h"
#include "run/reminder.h"
#include "wheel/wheel_picture_format.h"

namespace kalvest {

using OutputFormat = ExportFormat;

struct CliOptions {
    std::int32_t first_year = 0;
    std::int32_t last_year = 0;  // inclusive; equals first_year for one year
    // Events, methods, calendar and --weekday; its year and zone are
    // not used.
    RunSelection selection;
    OutputFormat format = OutputFormat::kText;
    // --tz: a zone name of the time zone database, or "local".
    std::optional<std::string> tz;
    std::int16_t zone_minutes = 0;  // --zone, one of the window's 49 offsets
    bool grid = false;
    bool southern = false;
    // --terms: the 24 solar terms by the methods of `selection` instead
    // of its events.
    bool terms = false;
    // --precise: every instant by the Sun's longitude and the modern
    // Delta T instead of as the window computes it; the Moon's phases by
    // its longitude (MoonMethod::kPrecise), in the listings and the wheel.
    bool precise = false;
    bool seconds = false;  // --seconds: every time to the second
    // --alarm DURATION: with --format ics, a reminder that long before
    // every event.
    std::optional<Reminder> reminder;
    // --moon (every phase) or --eclipses (only the new and full moons with
    // an eclipse): the Moon's listing instead of the solar events.
    bool moon = false;
    bool eclipses_only = false;
    // --wheel FILE: the wheel of the year drawn into a picture file
    // instead of a listing; --moon and --terms add its rings.
    std::optional<std::string> wheel_file;
    WheelPictureFormat wheel_format = WheelPictureFormat::kPng;
    int png_width = kWheelDefaultPngWidth;  // --size
};

struct ParsedArguments {
    // Set when there is something to compute.
    std::optional<CliOptions> options;
    // Otherwise: what goes to standard output (the help or the version,
    // status 0) or, for a bad argument, the one line for standard error
    // without its line end (status 2).
    std::string out;
    std::string error;
    int status = 0;
};

inline constexpr int kCliStatusUsage = 2;

ParsedArguments ParseCliArguments(const std::vector<std::string>& args);

// A message for one line of standard error: every control character (line
// breaks among them) becomes a blank, and trailing blanks go.
std::string OneLine(std::string text);

}  // namespace kalvest
