#include "cli/cli.h"

#include <cstdio>
#include <optional>
#include <sstream>

#include "common/program_version.h"
#include "datetime/date_time_text.h"
#include "main_window/calculation_run.h"
#include "main_window/event_names.h"
#include "main_window/year_input.h"
#include "main_window/zone_list.h"
#include "outside/library_error.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

constexpr int kStatusUsage = 2;
constexpr int kStatusFailure = 1;

const char* const kUsage =
    "usage: kalvest-cli YEAR [--events LIST] [--method mean|true|both]\n"
    "                   [--calendar gregorian|julian] "
    "[--zone GMT|GMT+HH:MM|GMT-HH:MM] [--weekday] [--csv]\n"
    "  YEAR is a whole year from -3000 through 3000 (year 0 is 1 BC).\n"
    "  LIST is a comma list of imbolc, march, beltane, june, lughnassad,\n"
    "  september, samhain, december, or all (the default). The method\n"
    "  computes the cross-quarter days by the mean sun, the true sun or\n"
    "  both (the default).\n"
    "  --help shows this text, --version the program's version.\n";

// Event names of --events in the order of the year; even positions are the
// cross-quarter days (code = position / 2), odd ones the equinoxes and
// solstices (event code = position / 2).
const char* const kEventNames[8] = {"imbolc", "march",     "beltane", "june",
                                    "lughnassad", "september", "samhain", "december"};

struct UsageError {
    std::string message;
};

struct CliOptions {
    RunSelection selection;
    bool csv = false;
    bool help = false;
    bool version = false;
};

// The window's year check with the tool's wider range; a lone sign or a
// text with blanks is no year here.
std::optional<std::int32_t> ParseYear(const std::string& text) {
    const YearCheck check = CheckYearText(text);
    const bool has_digit = text.find_first_of("0123456789") != std::string::npos;
    if (check.trimmed != text || !has_digit || !check.value) return std::nullopt;
    if (*check.value < -3000 || *check.value > 3000) return std::nullopt;
    return check.value;
}

// Splits "--name=value" and "--name value".
std::string OptionValue(const std::vector<std::string>& args, std::size_t& i,
                        const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        return arg.substr(name.size() + 1);
    }
    if (i + 1 >= args.size()) throw UsageError{"option " + name + " needs a value"};
    return args[++i];
}

bool Matches(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

// Selects the events of a comma list; "all" selects every event.
void SelectEvents(const std::string& list, RunSelection& s) {
    for (bool& quarter : s.quarters) quarter = false;
    for (bool& cross_quarter : s.cross_quarters) cross_quarter = false;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (int position = 0; position < 8; ++position) {
            if (name != kEventNames[position] && name != "all") continue;
            if (position % 2 == 0) {
                s.cross_quarters[position / 2] = true;
            } else {
                s.quarters[position / 2] = true;
            }
            known = true;
        }
        if (!known) {
            throw UsageError{"invalid event '" + name +
                             "' (imbolc, march, beltane, june, lughnassad, "
                             "september, samhain, december or all)"};
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
}

CliOptions ParseArguments(const std::vector<std::string>& args) {
    CliOptions options;
    RunSelection& s = options.selection;
    std::optional<std::int32_t> year;
    SelectEvents("all", s);
    s.mean_sun = true;
    s.true_sun = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (Matches(arg, "--calendar")) {
            const std::string value = OptionValue(args, i, "--calendar");
            if (value == "gregorian") {
                s.calendar_code = kCalendarGregorian;
            } else if (value == "julian") {
                s.calendar_code = kCalendarJulian;
            } else {
                throw UsageError{"invalid calendar '" + value +
                                 "' (gregorian or julian)"};
            }
        } else if (Matches(arg, "--zone")) {
            const std::string value = OptionValue(args, i, "--zone");
            const std::optional<int> index = ZoneIndexOfText(value);
            if (!index) {
                throw UsageError{"invalid zone '" + value +
                                 "' (GMT, or GMT+HH:MM / GMT-HH:MM in half hours "
                                 "up to 12:00)"};
            }
            s.zone_minutes = ZoneList()[*index].minutes;
        } else if (Matches(arg, "--events")) {
            SelectEvents(OptionValue(args, i, "--events"), s);
        } else if (Matches(arg, "--method")) {
            const std::string value = OptionValue(args, i, "--method");
            if (value != "mean" && value != "true" && value != "both") {
                throw UsageError{"invalid method '" + value + "' (mean, true or both)"};
            }
            s.mean_sun = value != "true";
            s.true_sun = value != "mean";
        } else if (arg == "--weekday") {
            s.include_weekday = true;
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (!arg.empty() && arg[0] == '-' && !ParseYear(arg)) {
            throw UsageError{"unknown option '" + arg + "'"};
        } else if (year) {
            throw UsageError{"unexpected argument '" + arg + "' (one YEAR only)"};
        } else {
            year = ParseYear(arg);
            if (!year) {
                throw UsageError{"invalid year '" + arg +
                                 "' (a whole year from -3000 through 3000)"};
            }
        }
    }
    if (!year && !options.help && !options.version) {
        throw UsageError{"missing argument YEAR"};
    }
    s.year = year.value_or(0);
    return options;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "2021-03-20 CE 09:37" splits at its last blank into date and time.
void SplitDateTime(const std::string& date_time, std::string& date,
                   std::string& time) {
    const std::size_t cut = date_time.rfind(' ');
    date = date_time.substr(0, cut);
    time = date_time.substr(cut + 1);
}

std::string CsvKind(std::int16_t kind) {
    return kind == kLineEquinoxSolstice ? "equinox-solstice" : "cross-quarter";
}

std::string CsvMethod(std::int16_t method) {
    if (method == kMethodMeanSun) return "mean";
    if (method == kMethodTrueSun) return "true";
    return "";
}

std::string ProduceText(const RunSelection& s) {
    std::string text;
    EuroDate record{};
    ProduceRunLines(s, DefaultEventNames(), record, [&text](const std::string& line) {
        text += line.substr(0, line.size() - 2);  // CR LF becomes the platform's
        text += '\n';
    });
    return text;
}

std::string ProduceCsv(const RunSelection& s) {
    std::string text =
        "year,kind,code,method,jd_ut,delta_t_minutes,date,time,zone,weekday\n";
    EuroDate record{};
    for (const PlannedLine& line : PlanRun(s)) {
        const EventResult r = ComputeLine(line, s, record);
        std::string date;
        std::string time;
        SplitDateTime(r.date_time, date, time);
        text += std::to_string(s.year) + "," + CsvKind(line.kind) + "," +
                std::to_string(line.code) + "," + CsvMethod(line.method) + "," +
                Fixed(r.jd, 10) + "," + Fixed(r.delta_t_minutes, 9) + "," +
                date + "," + time + "," + ZoneSuffix(s.zone_minutes).substr(1) +
                "," + r.weekday + "\n";
    }
    return text;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err) {
    CliOptions options;
    try {
        options = ParseArguments(args);
    } catch (const UsageError& e) {
        err << "kalvest-cli: " << e.message << "\n";
        return kStatusUsage;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    if (options.version) {
        out << "kalvest-cli " << kProgramVersion << "\n";
        return 0;
    }
    InitPeriodicTerms();
    try {
        // Everything is computed before anything is written, so a failure
        // leaves standard output empty.
        out << (options.csv ? ProduceCsv(options.selection)
                            : ProduceText(options.selection));
    } catch (const LibraryError& e) {
        err << "kalvest-cli: " << e.what() << "\n";
        return kStatusFailure;
    }
    return 0;
}

}  // namespace kalvest
