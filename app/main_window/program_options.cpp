#include "main_window/program_options.h"

#include "common/program_version.h"
#include "datetime/zone_database.h"

namespace kalvest {
namespace {

// Laid out for help2man, which makes the manual page from it: a usage
// line, a description, then the options.
constexpr const char* kHelpText =
    "Usage: kalvest [--moon] [--wheel] [--tz NAME] [QT-OPTION]...\n"
    "Show the Kalvest window: the dates and times of the year's solar turning\n"
    "points, the March and September equinoxes, the June and December\n"
    "solstices and the cross-quarter days Imbolc, Beltane, Lughnassad and\n"
    "Samhain by the mean sun and the true sun, in the Gregorian or the Julian\n"
    "calendar and a time zone from GMT-12:00 to GMT+12:00 or of the time zone\n"
    "database; the 24 solar terms (Ctrl+T), the moon list, the wheel of the\n"
    "year, and files for calendar programs (File > Export, Ctrl+E). The same\n"
    "computations are available without a window through kalvest-cli.\n"
    "\n"
    "Save settings keeps the window's inputs and output in\n"
    "$XDG_DATA_HOME/Orvanth Systems/kalvest.usr (by default\n"
    "~/.local/share/Orvanth Systems/kalvest.usr); the zone of the time zone\n"
    "database and the options of the Options menu go to\n"
    "$XDG_CONFIG_HOME/Orvanth Systems/Kalvest.conf (by default under ~/.config).\n"
    "\n"
    "Options:\n"
    "      --moon       open the moon list of the year at start: the phases of\n"
    "                   the Moon and the eclipses (also Ctrl+M in the window)\n"
    "      --wheel      open the wheel of the year at start: the turning points\n"
    "                   round a circle, with the full and new moons, to save as\n"
    "                   SVG, PNG or PDF (also Ctrl+W in the window)\n"
    "      --tz NAME    select a zone of the time zone database (such as\n"
    "                   Europe/Dublin) in the window, daylight saving time\n"
    "                   included, or the system's own zone with --tz local;\n"
    "                   every view uses it (also Options > Time zone...)\n"
    "      --help       display this help and exit\n"
    "      --version    output version information and exit\n"
    "\n"
    "Qt's own options, such as -platform offscreen or -style fusion, are\n"
    "accepted as well.\n";

}  // namespace

std::string WindowProgramVersionLine() { return std::string("Kalvest ") + kProgramVersion; }

std::optional<int> HandleInformationOptions(const std::vector<std::string>& args,
                                            std::ostream& out) {
    for (const std::string& arg : args) {
        if (arg == "--help") {
            out << kHelpText;
            return 0;
        }
        if (arg == "--version") {
            out << WindowProgramVersionLine() << "\n"
                << "Copyright (c) Kalvest developers.\n"
                << "\n"
                << "Kalvest is free software under the MIT License.\n";
            return 0;
        }
    }
    return std::nullopt;
}

WindowStart ReadWindowStart(const std::vector<std::string>& args) {
    WindowStart start;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--moon") {
            start.moon_list = true;
            continue;
        }
        if (arg == "--wheel") {
            start.wheel = true;
            continue;
        }
        std::string name;
        if (arg == "--tz" && i + 1 < args.size()) {
            name = args[++i];
        } else if (arg.rfind("--tz=", 0) == 0) {
            name = arg.substr(5);
        } else if (arg != "--tz") {
            continue;
        }
        if (name.empty()) {
            start.error = "--tz: a zone name is missing (Europe/Dublin, or local)";
            return start;
        }
        try {
            start.zone = UserNamedTimeZone(name);
        } catch (const ZoneDatabaseError& e) {
            start.error = e.what();
            return start;
        }
        if (!start.zone) {
            start.error = "--tz: unknown time zone '" + name +
                          "' (a name of the IANA database such as Europe/Dublin, or local)";
            return start;
        }
        start.zone_name = name;
    }
    return start;
}

}  // namespace kalvest
