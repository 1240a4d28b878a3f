// The window program's own command-line options, read before the window
// toolkit starts, so that they work without a display: --help and
// --version print and end the program. Every other argument is left to the
// toolkit (for example "-platform offscreen").
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kalvest {

// The line --version prints first: "Kalvest 7.0", the window's caption.
std::string WindowProgramVersionLine();

// Handles --help and --version among `args` (without the program name):
// writes the text to `out` and returns the exit status; std::nullopt when
// neither is there and the window is to start.
std::optional<int> HandleInformationOptions(const std::vector<std::string>& args,
                                            std::ostream& out);

}  // namespace kalvest
