// kalvest-cli: the year's solar events as text lines or CSV, without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kalvest {

// Runs the tool with its arguments (without the program name). Writes the
// result to `out` and returns 0; a bad argument gets one line on `err`,
// nothing on `out`, and status 2; a failure while computing (a missing
// library) gets one line on `err` and status 1.
int RunCli(const std::vector<std::string>& args, std::ostream& out,
           std::ostream& err);

}  // namespace kalvest
