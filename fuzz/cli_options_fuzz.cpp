// kalvest-cli's argument parser over arbitrary argument lists. Every list
// gives exactly one outcome: options to compute (status 0), a text for
// standard output (the help or the version, status 0), or one line about a
// bad argument (status 2), without control characters. Options always lie within the documented
// ranges and respect the options' exclusions.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "datetime/date_time_text.h"

#include "fuzz_check.h"

namespace {

using namespace kalvest;

using kalvest_fuzz::Check;

// The words that make the parser take its branches, picked by a byte.
const char* const kWords[] = {
    "2024",      "1990..2030", "-3000..3000", "--events",   "imbolc,march", "all",
    "--method",  "mean",       "true",        "both",       "--calendar",   "julian",
    "gregorian", "--zone",     "GMT+05:30",   "GMT-12:00",  "--tz",         "Europe/Dublin",
    "local",     "--weekday",  "--format",    "csv",        "json",         "ics",
    "text",      "--csv",      "--grid",      "--southern", "--terms",      "--precise",
    "--seconds", "--moon",     "--eclipses",  "--version",  "--help",       "-h",
    "--",        "0",          "1..0",        "--events=",  "--tz=",        "-",
    "--wheel",   "wheel.png",  "Wheel.SVG",   "w.pdf",      "w.jpg",        "--size",
    "800"};

void CheckOutcome(const std::vector<std::string>& args) {
    const ParsedArguments parsed = ParseCliArguments(args);
    if (parsed.options) {
        Check(parsed.status == 0 && parsed.out.empty() && parsed.error.empty());
        const CliOptions& o = *parsed.options;
        Check(o.first_year >= -3000 && o.first_year <= o.last_year && o.last_year <= 3000);
        const RunSelection& s = o.selection;
        Check(s.calendar_code == kCalendarGregorian || s.calendar_code == kCalendarJulian);
        Check(s.true_sun || s.mean_sun);
        Check(o.zone_minutes % 30 == 0 && o.zone_minutes >= -720 && o.zone_minutes <= 720);
        Check(!o.tz || !o.tz->empty());
        Check(!o.grid || o.format == OutputFormat::kText);
        Check(!o.southern || o.grid || o.wheel_file);
        Check(!(o.terms && o.grid));
        Check(!o.eclipses_only || o.moon);
        Check(!(o.moon && o.grid));
        Check(!(o.moon && o.terms) || o.wheel_file);
        if (o.wheel_file) {
            Check(o.first_year == o.last_year && !o.grid && !o.seconds);
            Check(!o.eclipses_only && o.format == OutputFormat::kText);
            Check(WheelPictureFormatOfFileName(*o.wheel_file) == o.wheel_format);
            Check(o.png_width >= kWheelMinimumPngWidth && o.png_width <= kWheelMaximumPngWidth);
        }
        Check(o.format != OutputFormat::kICalendar || o.last_year >= 1);
        return;
    }
    if (parsed.status == 0) {
        Check(!parsed.out.empty() && parsed.error.empty());
        return;
    }
    Check(parsed.status == kCliStatusUsage && parsed.out.empty());
    Check(!parsed.error.empty());
    for (const char c : parsed.error) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
}

}  // namespace

// Arguments are separated by NUL bytes; an argument whose first byte is
// 0x01 is the word of the table above that its second byte picks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != 0) {
            current += static_cast<char>(data[i]);
            continue;
        }
        if (current.size() >= 2 && current[0] == '\x01') {
            current = kWords[static_cast<unsigned char>(current[1]) % std::size(kWords)];
        }
        args.push_back(current);
        current.clear();
        if (args.size() > 24) break;
    }
    CheckOutcome(args);
    return 0;
}
