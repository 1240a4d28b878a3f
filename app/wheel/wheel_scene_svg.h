// The wheel's scene as an SVG document, written by the core without Qt:
// for the browser page and for anything else that has no painter. Its
// texts stay text, in the font the scene was measured in (DejaVu Sans,
// then Verdana, whose widths are close, then any sans-serif).
#pragma once

#include <string>

#include "wheel/wheel_scene.h"

namespace kalvest {

// A complete, standalone SVG 1.1 document in UTF-8, as large as the
// canvas; a text that is no well-formed UTF-8 gets U+FFFD for each bad
// sequence, and control characters, which XML cannot hold, are left out.
std::string WheelSceneSvg(const WheelScene& scene);

}  // namespace kalvest
