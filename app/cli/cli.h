// kalvest-cli: the solar events of a year or a range of years as the
// window's text lines, CSV, JSON, iCalendar or the display-all grid, in a
// fixed offset or any zone of the time zone database. The front end only
// chooses: the core computes, and the writers of app/export write.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "wheel/wheel_layout.h"
#include "wheel/wheel_picture_format.h"

namespace kalvest {

// Runs the tool with its arguments (without the program name). Writes the
// result to `out` and returns 0. A bad argument gets one line on `err`,
// nothing on `out`, and status 2; a failure while computing (a missing
// library, an unreadable zone database) one line on `err` and status 1.
// Events that iCalendar cannot hold are left out with one line on `err`.
//
// --wheel hands the computed layout to `write_wheel`, which draws it into
// the file and returns the empty string, or why it could not (then one
// line on `err` and status 1). The core draws nothing itself: the program
// passes the painter's writer (WriteWheelPicture); without one --wheel
// fails with status 1.
using WheelPictureWriter = std::function<std::string(
    const WheelLayout& layout, const std::string& path, WheelPictureFormat format,
    int png_width)>;

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const WheelPictureWriter& write_wheel = {});

}  // namespace kalvest
