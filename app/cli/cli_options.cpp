#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <sstream>

#include "common/program_version.h"
#include "datetime/date_time_text.h"
#include "run/choice_words.h"

namespace kalvest {
namespace {

// A bad value, reported as "--option: message".
struct UsageError {
    std::string message;
};

// The help lists every option with an example; the parser's own layout
// would run far past a terminal's width.
const char* const kHelp =
    "Usage: kalvest-cli YEARS [options]\n"
    "\n"
    "The year's equinoxes, solstices and cross-quarter days (Imbolc, Beltane,\n"
    "Lughnassad, Samhain, by the mean and the true sun) as local dates and times.\n"
    "\n"
    "  YEARS            a year from -3000 through 3000 (year 0 is 1 BC), or an\n"
    "                   inclusive range FIRST..LAST\n"
    "                     kalvest-cli 2024      kalvest-cli 1990..2030\n"
    "  --events LIST    comma list of imbolc, march, beltane, june, lughnassad,\n"
    "                   september, samhain, december, or all (the default)\n"
    "                     --events imbolc,march\n"
    "  --method M       cross-quarter days (or solar terms) by the mean sun, the\n"
    "                   true sun or both (the default): mean, true or both\n"
    "                     --method true\n"
    "  --terms          the 24 solar terms of each year instead, Xiaohan (285\n"
    "                   degrees) to Dongzhi (270); see below\n"
    "                     kalvest-cli 2025 --terms --method true --tz Asia/Shanghai\n"
    "  --precise        equinoxes and solstices as the instants the Sun's longitude\n"
    "                   reaches 0, 90, 180 and 270 degrees, instead of by the\n"
    "                   series, with a modern Delta T; with --moon or --eclipses\n"
    "                   the phases from the Moon's longitude; see below\n"
    "                     kalvest-cli 2021 --precise --seconds --events march\n"
    "                     kalvest-cli 2025 --moon --precise --seconds --tz UTC\n"
    "  --seconds        every time to the second instead of the minute\n"
    "                     kalvest-cli 2021 --seconds\n"
    "  --calendar C     dates in the proleptic gregorian calendar (the default)\n"
    "                   or the julian calendar\n"
    "                     --calendar julian\n"
    "  --zone OFFSET    one of the window's fixed offsets: GMT (the default), or\n"
    "                   GMT+HH:MM / GMT-HH:MM in half hours up to 12:00\n"
    "                     --zone GMT+05:30\n"
    "  --tz NAME        a zone of the IANA time zone database, daylight saving\n"
    "                   time included, or local for the system's own zone (the\n"
    "                   TZ variable if set)\n"
    "                     --tz Europe/Dublin    --tz local\n"
    "  --weekday        end each text line with the weekday of the local date\n"
    "                     kalvest-cli 2024 --weekday\n"
    "  --format F       text (the window's lines, the default), csv, json or ics\n"
    "                   (iCalendar, to import into a calendar program)\n"
    "                     kalvest-cli 2024..2026 --format ics > solar.ics\n"
    "  --alarm SPAN     with --format ics: a reminder SPAN before every event,\n"
    "                   as 1d, 12h or 30m (days, hours, minutes), or in ISO 8601\n"
    "                   as P1D, PT12H, PT30M or P1DT6H; four weeks at most\n"
    "                     kalvest-cli 2024..2026 --format ics --alarm 1d > solar.ics\n"
    "  --csv            the same as --format csv\n"
    "                     kalvest-cli 2024 --csv\n"
    "  --grid           the display-all window's eight cells as a text table,\n"
    "                   clockwise from the top left\n"
    "                     kalvest-cli 2024 --grid\n"
    "  --southern       with --grid: the southern hemisphere's names\n"
    "                     kalvest-cli 2024 --grid --southern\n"
    "  --moon           the Moon instead: every new moon, first quarter, full\n"
    "                   moon and last quarter, an eclipse under its phase\n"
    "                     kalvest-cli 2025 --moon --tz Europe/Dublin\n"
    "  --eclipses       only the new and full moons with an eclipse\n"
    "                     kalvest-cli 2025 --eclipses --tz Europe/Dublin\n"
    "  --wheel FILE     draw the wheel of one year into a picture instead: SVG,\n"
    "                   PNG or PDF, as the file name ends (.svg, .png, .pdf);\n"
    "                   with --moon a ring of full and new moons and eclipses,\n"
    "                   with --terms a ring of the 24 solar terms; see below\n"
    "                     kalvest-cli 2025 --wheel wheel.png --moon --tz Europe/Dublin\n"
    "  --size PIXELS    with --wheel and a PNG: its width, 200 to 8000 (1500)\n"
    "                     kalvest-cli 2025 --wheel wheel.png --size 3000\n"
    "  --version        print the version\n"
    "                     kalvest-cli --version\n"
    "  -h, --help       print this help\n"
    "                     kalvest-cli --help\n"
    "\n"
    "Times are truncated to the minute (to the second with --seconds). With\n"
    "--tz each instant is shown in the zone's local time of that very instant,\n"
    "summer time included, followed by the abbreviation the zone database gives\n"
    "for it (GMT, IST, CEST, +0545). Before a zone's first rule the database\n"
    "gives the local mean time of the zone's city, shown as LMT; its offset has\n"
    "seconds, which CSV and JSON write as a fraction of a minute (Dublin:\n"
    "-25.35).\n"
    "\n"
    "CSV and JSON carry the columns year, kind, code, method, jd_ut,\n"
    "delta_t_minutes, date, time, zone, weekday and utc_offset_minutes; JSON adds\n"
    "iso_utc. iCalendar holds no years before 1: their events are left out, with\n"
    "a note on standard error. A bad argument gets one line on standard error\n"
    "and exit status 2.\n"
    "\n"
    "Solar terms: by the true sun (dingqi) a term begins when the Sun's apparent\n"
    "longitude reaches its multiple of 15 degrees. By the mean sun (pingqi) the\n"
    "time from the December solstice of the year before to that of the year is\n"
    "cut into 24 equal parts, and each term begins at the end of its part, so\n"
    "Dongzhi is the solstice itself. The lines of a year come in time order,\n"
    "each with the term's angle, its name in Chinese characters (simplified and,\n"
    "where they differ, traditional: 惊蛰 / 驚蟄), pinyin and English, the\n"
    "method, and the equinox, solstice or cross-quarter day it is. CSV and JSON\n"
    "carry year, solar_longitude, name, pinyin, english, turning_point, method,\n"
    "jd_ut, delta_t_minutes, date, time, zone, weekday, utc_offset_minutes,\n"
    "hanzi and hanzi_traditional.\n"
    "\n"
    "With --precise the cross-quarter days by the mean sun fall midway between\n"
    "the precise equinoxes and solstices, those by the true sun where the\n"
    "longitude reaches 315, 45, 135 or 225 degrees, and the mean-sun terms run\n"
    "between the precise December solstices. Universal Time then comes from a\n"
    "modern Delta T: measured values from 1620 to 2026 (The Astronomical\n"
    "Almanac; IERS), before 1620 the model of Stephenson, Morrison and Hohenkerk\n"
    "(2016), after 2026 their long-term parabola, joined smoothly to the last\n"
    "measured value. Without it Delta T is the window's own estimate.\n"
    "\n"
    "With --moon or --eclipses a lunar eclipse lists its kind, magnitude,\n"
    "contacts and greatest eclipse; a solar eclipse only its kind, since the\n"
    "method does not say where it is seen. CSV and JSON carry the columns year,\n"
    "lunation, phase (new, first_quarter, full, last_quarter), jde, jd_ut,\n"
    "delta_t_minutes, date, time, zone, weekday, utc_offset_minutes, eclipse\n"
    "(the class of varquel.h, 0 for none), eclipse_kind, saros, greatest_jd_ut,\n"
    "greatest_local, gamma, mag_penumbral, mag_umbral, and for each contact of a\n"
    "lunar eclipse (penumbral_begin, partial_begin, total_begin, total_end,\n"
    "partial_end, penumbral_end) its _jd_ut and _local, and last method (classical\n"
    "or precise). iCalendar adds each lunar eclipse as an event from its first to\n"
    "its last contact.\n"
    "\n"
    "With --moon or --eclipses and --precise each phase is the instant at which\n"
    "the Moon's apparent longitude exceeds the Sun's by 0, 90, 180 or 270 degrees,\n"
    "found from the classical instant, within a second of the DE431 ephemeris\n"
    "over 1900-2100 where the classical series errs by up to 17 seconds, and\n"
    "Universal Time comes from the modern Delta T. So the phases (jde, jd_ut,\n"
    "delta_t_minutes) are precise, and so are the greatest eclipse, moved by as\n"
    "much as its new or full moon, and the contacts, which keep their distances\n"
    "from it; the eclipse's kind, saros, gamma, magnitudes and the durations of\n"
    "its phases stay classical.\n"
    "\n"
    "The wheel (--wheel) shows the year as a circle, 1 January at the top and\n"
    "clockwise: the equinoxes and solstices as spokes, each cross-quarter day by\n"
    "the true sun (solid) and the mean sun (dashed) with the gap between them,\n"
    "month ticks, and the names, dates and times in the chosen calendar and zone\n"
    "(the southern hemisphere's names with --southern). It takes --calendar,\n"
    "--zone or --tz, --southern, --moon, --terms and --precise (every instant,\n"
    "the moons among them, as --precise computes it). SVG and PDF (an A4 page)\n"
    "keep their texts as text. A file that cannot be written gets one line on\n"
    "standard error and exit status 1, and no file, not even a part of one.\n";

// A choice's reader of the run layer, its problem thrown as the usage
// error of `option` ("YEARS", "--events").
template <typename Value>
Value Read(const char* option, const std::optional<Value>& value, const std::string& problem) {
    if (!value) throw UsageError{std::string(option) + ": " + problem};
    return *value;
}

void Read(const char* option, bool read, const std::string& problem) {
    if (!read) throw UsageError{std::string(option) + ": " + problem};
}

OutputFormat FormatOf(const std::string& format) {
    if (format == "text") return OutputFormat::kText;
    if (format == "csv") return OutputFormat::kCsv;
    if (format == "json") return OutputFormat::kJson;
    if (format == "ics") return OutputFormat::kICalendar;
    throw UsageError{"--format: unknown format '" + format + "' (text, csv, json or ics)"};
}

// --wheel FILE and --size: one year, a file name that names the format.
void ReadWheelOptions(const std::string& file, bool size_given, int size, bool csv,
                      CliOptions& options) {
    const std::optional<WheelPictureFormat> format = WheelPictureFormatOfFileName(file);
    if (!format) {
        throw UsageError{"--wheel: unknown picture type '" + file +
                         "' (a file name ending in .svg, .png or .pdf)"};
    }
    if (csv) throw UsageError{"--csv: the wheel is a picture, not a listing"};
    if (options.first_year != options.last_year) {
        throw UsageError{"--wheel: draws one year, not a range"};
    }
    if (size_given && *format != WheelPictureFormat::kPng) {
        throw UsageError{"--size: only a PNG picture has a size in pixels"};
    }
    if (size < kWheelMinimumPngWidth || size > kWheelMaximumPngWidth) {
        throw UsageError{"--size: " + std::to_string(size) + " pixels is out of range (" +
                         std::to_string(kWheelMinimumPngWidth) + " to " +
                         std::to_string(kWheelMaximumPngWidth) + ")"};
    }
    options.wheel_file = file;
    options.wheel_format = *format;
    options.png_width = size;
}

}  // namespace

std::string OneLine(std::string text) {
    // Quoted arguments may hold anything; a terminal would act on their
    // control characters.
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

ParsedArguments ParseCliArguments(const std::vector<std::string>& args) {
    CLI::App app{"", "kalvest-cli"};
    app.formatter_fn([](const CLI::App*, std::string, CLI::AppFormatMode) {
        return std::string(kHelp);
    });
    app.set_version_flag("--version", std::string("kalvest-cli ") + kProgramVersion);
    app.set_help_flag("-h,--help");

    std::string years;
    std::string events = "all";
    std::string method = "both";
    std::string calendar = "gregorian";
    std::string zone;
    std::string tz;
    std::string format;
    bool csv = false;
    bool weekday = false;
    bool grid = false;
    bool southern = false;
    bool terms = false;
    bool precise = false;
    bool seconds = false;
    bool moon = false;
    bool eclipses = false;
    std::string wheel;
    int size = kWheelDefaultPngWidth;
    std::string alarm;

    // The options as kHelp describes them.
    app.add_option("YEARS", years)->required();
    CLI::Option* events_option = app.add_option("--events", events);
    CLI::Option* method_option = app.add_option("--method", method);
    CLI::Option* calendar_option = app.add_option("--calendar", calendar);
    CLI::Option* zone_option = app.add_option("--zone", zone);
    CLI::Option* tz_option = app.add_option("--tz", tz);
    CLI::Option* weekday_option = app.add_flag("--weekday", weekday);
    CLI::Option* format_option = app.add_option("--format", format);
    app.add_flag("--csv", csv);
    CLI::Option* grid_option = app.add_flag("--grid", grid);
    app.add_flag("--southern", southern);
    CLI::Option* terms_option = app.add_flag("--terms", terms);
    app.add_flag("--precise", precise);
    CLI::Option* seconds_option = app.add_flag("--seconds", seconds);
    // A repeated option: the last one counts.
    for (CLI::Option* option : {events_option, method_option, calendar_option,
                                zone_option, tz_option, format_option}) {
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    CLI::Option* moon_option = app.add_flag("--moon", moon);
    CLI::Option* eclipses_option = app.add_flag("--eclipses", eclipses);
    CLI::Option* wheel_option = app.add_option("--wheel", wheel);
    CLI::Option* size_option = app.add_option("--size", size);
    CLI::Option* alarm_option = app.add_option("--alarm", alarm);
    for (CLI::Option* option : {wheel_option, size_option, alarm_option}) {
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    tz_option->excludes(zone_option);
    grid_option->excludes(events_option)->excludes(method_option)->excludes(weekday_option);
    terms_option->excludes(events_option)->excludes(grid_option);
    moon_option->excludes(eclipses_option);
    for (CLI::Option* option : {moon_option, eclipses_option}) {
        option->excludes(grid_option)->excludes(events_option)->excludes(method_option);
    }
    // The wheel draws every event of one year, as the window computes them
    // or, with --precise, precisely; the options that choose or write lines
    // have no part in it.
    for (CLI::Option* option : {grid_option, events_option, method_option, weekday_option,
                                format_option, eclipses_option, seconds_option, alarm_option}) {
        wheel_option->excludes(option);
    }
    size_option->needs(wheel_option);

    ParsedArguments parsed;
    try {
        // The parser takes the arguments last first.
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::Success& e) {  // --help, --version
        std::ostringstream out;
        std::ostringstream err;
        parsed.status = app.exit(e, out, err);
        parsed.out = out.str();
        return parsed;
    } catch (const CLI::ParseError& e) {
        parsed.error = OneLine(e.what());
        parsed.status = kCliStatusUsage;
        return parsed;
    }

    try {
        CliOptions options;
        std::string problem;
        const YearSpan span = Read("YEARS", ReadYearSpan(years, problem), problem);
        options.first_year = span.first;
        options.last_year = span.last;
        RunSelection& s = options.selection;
        Read("--events", ReadEvents(events, s, problem), problem);
        Read("--method", ReadMethod(method, s, problem), problem);
        s.calendar_code = Read("--calendar", ReadCalendar(calendar, problem), problem);
        s.include_weekday = weekday;
        if (zone_option->count() > 0) {
            options.zone_minutes = Read("--zone", ReadFixedZone(zone, problem), problem);
        }
        if (tz_option->count() > 0) {
            if (tz.empty()) throw UsageError{"--tz: empty zone name"};
            options.tz = tz;
        }
        if (format_option->count() > 0) options.format = FormatOf(format);
        if (csv) {
            if (format_option->count() > 0 && options.format != OutputFormat::kCsv) {
                throw UsageError{"--csv: conflicts with --format " + format};
            }
            options.format = OutputFormat::kCsv;
        }
        options.grid = grid;
        options.southern = southern;
        options.terms = terms;
        options.precise = precise;
        options.seconds = seconds;
        options.moon = moon || eclipses;
        options.eclipses_only = eclipses;
        if (southern && !grid && wheel_option->count() == 0) {
            throw UsageError{"--southern: needs --grid or --wheel"};
        }
        if (options.moon && terms && wheel_option->count() == 0) {
            throw UsageError{"--moon: goes with --terms only in a --wheel picture"};
        }
        if (wheel_option->count() > 0) ReadWheelOptions(wheel, size_option->count() > 0, size,
                                                        csv, options);
        if (grid && options.format != OutputFormat::kText) {
            throw UsageError{"--grid: prints a text table and takes no other format"};
        }
        if (alarm_option->count() > 0) {
            options.reminder = ParseReminder(alarm);
            if (!options.reminder) {
                throw UsageError{"--alarm: invalid span '" + alarm +
                                 "' (such as 1d, 12h, 30m, P1D or PT30M; at most four weeks)"};
            }
            if (options.format != OutputFormat::kICalendar) {
                throw UsageError{"--alarm: a reminder goes only into --format ics"};
            }
        }
        if (options.format == OutputFormat::kICalendar && options.last_year < 1) {
            throw UsageError{"--format: iCalendar has no years before 1 (YEARS " + years + ")"};
        }
        parsed.options = options;
    } catch (const UsageError& e) {
        parsed.error = OneLine(e.message);
        parsed.status = kCliStatusUsage;
    }
    return parsed;
}

}  // namespace kalvest
