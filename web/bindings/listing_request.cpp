// The request reaches the core through the command-line tool's own entry
// (RunCli), so that the page gets kalvest-cli's output by construction:
// the choice of zone, the listing requests, the writer of each format and
// the grid's loop over the years still live in app/cli/cli.cpp. When they
// move into the core's run and export layers, this file calls them instead
// and nothing else of the page changes.
#include "web/bindings/listing_request.h"

#include <exception>
#include <sstream>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "run/zone_list.h"

namespace kalvest::web {
namespace {

// The arguments of the request, in the command line's terms; a view that
// does not take an option never gets it.
std::vector<std::string> Arguments(const ListingRequest& request) {
    std::vector<std::string> args = {"--calendar", request.calendar};
    const bool fixed_zone = ZoneIndexOfText(request.zone).has_value();
    args.insert(args.end(), {fixed_zone ? "--zone" : "--tz", request.zone});
    const bool moon = request.view == "moon" || request.view == "eclipses";
    if (request.view == "grid") {
        args.push_back("--grid");
        if (request.southern) args.push_back("--southern");
    } else {
        args.insert(args.end(), {"--format", request.format});
        if (request.weekday) args.push_back("--weekday");
    }
    if (request.view == "events") args.insert(args.end(), {"--events", request.events});
    if (request.view == "events" || request.view == "terms") {
        args.insert(args.end(), {"--method", request.method});
    }
    if (request.view == "terms") args.push_back("--terms");
    if (moon) args.push_back("--" + request.view);
    if (request.seconds) args.push_back("--seconds");
    if (request.precise) args.push_back("--precise");
    // After "--" a year such as -3000 is no option.
    args.insert(args.end(), {"--", request.years});
    return args;
}

// RunCli's lines on standard error begin with the program's name.
std::string WithoutProgramName(std::string text) {
    const std::string prefix = "kalvest-cli: ";
    if (text.rfind(prefix, 0) == 0) text.erase(0, prefix.size());
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace

ListingResult MakeListing(const ListingRequest& request) {
    ListingResult result;
    const bool known_view = request.view == "events" || request.view == "grid" ||
                            request.view == "terms" || request.view == "moon" ||
                            request.view == "eclipses";
    if (!known_view) {
        result.status = kCliStatusUsage;
        result.error = "unknown view '" + request.view + "'";
        return result;
    }
    std::ostringstream out;
    std::ostringstream err;
    try {
        result.status = RunCli(Arguments(request), out, err);
    } catch (const std::exception& e) {
        result.status = 1;
        result.error = e.what();
        return result;
    }
    if (result.status == 0) result.text = out.str();
    result.error = WithoutProgramName(err.str());
    return result;
}

}  // namespace kalvest::web
