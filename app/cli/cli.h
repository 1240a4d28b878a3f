// kalvest-cli: the solar events of a year or a range of years as the
// window's text lines, CSV, JSON, iCalendar or the display-all grid, in a
// fixed offset or any zone of the time zone database. The front end only
// chooses: the core computes, and the writers of app/export write.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kalvest {

// Runs the tool with its arguments (without the program name). Writes the
// result to `out` and returns 0. A bad argument gets one line on `err`,
// nothing on `out`, and status 2; a failure while computing (a missing
// library, an unreadable zone database) one line on `err` and status 1.
// Events that iCalendar cannot hold are left out with one line on `err`.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kalvest
