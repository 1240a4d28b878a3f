#include "cli/cli.h"

#include <memory>
#include <string>
#include <utility>

#include "cli/cli_options.h"
#include "datetime/time_zone.h"
#include "datetime/utc_text.h"
#include "datetime/zone_database.h"
#include "export/export_plan.h"
#include "outside/library_error.h"
#include "run/choice_words.h"
#include "run/event_names.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"
#include "wheel/wheel_layout.h"

namespace kalvest {
namespace {

constexpr int kStatusFailure = 1;

// A failure to report with one line, and its status.
struct CliFailure {
    std::string message;
    int status;
};

std::unique_ptr<TimeZone> ChosenZone(const CliOptions& options) {
    if (!options.tz) {
        return std::make_unique<FixedOffsetZone>(FixedWindowZone(options.zone_minutes));
    }
    std::string problem;
    try {
        if (std::unique_ptr<TimeZone> zone = ReadNamedZone(*options.tz, problem)) return zone;
    } catch (const ZoneDatabaseError& e) {
        throw CliFailure{e.what(), kStatusFailure};
    }
    throw CliFailure{"--tz: " + problem, kCliStatusUsage};
}

TimePrecision Precision(const CliOptions& options) {
    return options.seconds ? TimePrecision::kSeconds : TimePrecision::kMinutes;
}

// How the wheel's title names the zone: the name given to --tz, or the
// window's offset text.
std::string ZoneName(const CliOptions& options) {
    if (options.tz) return *options.tz == "local" ? "local time" : *options.tz;
    return ZoneSuffix(options.zone_minutes).substr(1);  // "GMT", "GMT+05:30"
}

// Draws the wheel into its file; a failure is reported as CliFailure.
void DrawWheel(const CliOptions& options, const WheelPictureWriter& write_wheel) {
    if (!write_wheel) throw CliFailure{"--wheel: this build draws no pictures", kStatusFailure};
    const std::unique_ptr<TimeZone> zone = ChosenZone(options);
    const WheelRequest request{.year = options.first_year,
                               .calendar_code = options.selection.calendar_code,
                               .southern = options.southern,
                               .moon = options.moon,
                               .terms = options.terms,
                               .zone_name = ZoneName(options),
                               .precise = options.precise};
    const WheelLayout layout = MakeWheelLayout(request, *zone);
    const std::string& path = *options.wheel_file;
    const std::string failure =
        write_wheel(layout, path, options.wheel_format, options.png_width);
    if (!failure.empty()) {
        throw CliFailure{"--wheel: cannot write '" + path + "': " + failure, kStatusFailure};
    }
}

// The whole output, computed before anything is written so that a failure
// leaves standard output empty; `note` receives a line for standard error.
std::string Produce(const CliOptions& options, std::string& note) {
    const std::unique_ptr<TimeZone> zone = ChosenZone(options);
    if (options.grid) {
        return GridListing({options.first_year, options.last_year,
                            options.selection.calendar_code, options.southern, options.precise,
                            Precision(options)},
                           *zone);
    }

    ExportPlan plan;
    plan.first_year = options.first_year;
    plan.last_year = options.last_year;
    plan.selection = options.selection;
    plan.turning_points = !options.moon && !options.terms;
    plan.solar_terms = options.terms && !options.moon;
    plan.moon_phases = options.moon && !options.eclipses_only;
    plan.eclipses = options.moon;
    plan.precise = options.precise;
    plan.precision = Precision(options);
    plan.format = options.format;
    plan.reminder = options.reminder;
    ExportFile file = WriteExport(plan, *zone, DefaultEventNames(), CurrentJulianDay());
    note = LeftOutNote(plan, file);
    return std::move(file.text);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const WheelPictureWriter& write_wheel) {
    const ParsedArguments parsed = ParseCliArguments(args);
    if (!parsed.options) {
        out << parsed.out;
        if (!parsed.error.empty()) err << "kalvest-cli: " << parsed.error << "\n";
        return parsed.status;
    }
    InitPeriodicTerms();
    std::string text;
    std::string note;
    try {
        if (parsed.options->wheel_file) {
            DrawWheel(*parsed.options, write_wheel);
            return 0;
        }
        text = Produce(*parsed.options, note);
    } catch (const CliFailure& e) {
        err << "kalvest-cli: " << OneLine(e.message) << "\n";
        return e.status;
    } catch (const LibraryError& e) {
        err << "kalvest-cli: " << OneLine(e.what()) << "\n";
        return kStatusFailure;
    }
    out << text;
    if (!note.empty()) err << "kalvest-cli: " << OneLine(note) << "\n";
    return 0;
}

}  // namespace kalvest
