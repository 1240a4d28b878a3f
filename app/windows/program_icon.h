// The program's icon (the wheel of the year), which every window shows.
#pragma once

#include <QIcon>

namespace kalvest {

// The icon in every size from 16 to 256 pixels, built into the program, so
// that it needs neither the installed icon theme nor an SVG plug-in.
QIcon ProgramIcon();

}  // namespace kalvest
