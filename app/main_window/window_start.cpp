#include "main_window/window_start.h"

#include "datetime/zone_database.h"

namespace kalvest {

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
            start.moon_zone = UserNamedTimeZone(name);
        } catch (const ZoneDatabaseError& e) {
            start.error = e.what();
            return start;
        }
        if (!start.moon_zone) {
            start.error = "--tz: unknown time zone '" + name +
                          "' (a name of the IANA database such as Europe/Dublin, or local)";
            return start;
        }
        start.moon_zone_name = name == "local" ? "local time" : name;
    }
    return start;
}

}  // namespace kalvest
