// What the page asks the core for to draw the wheel of the year: one
// year in a calendar and a zone, the hemisphere and the two rings, as the
// wheel window offers them; and the SVG that comes back, written by the
// core's scene and SVG writer (no Qt in the browser).
#pragma once

#include <string>

namespace kalvest::web {

struct WheelPageRequest {
    std::string year = "2024";           // one year, -3000 through 3000
    std::string calendar = "gregorian";  // or julian
    // A zone of the IANA database ("Europe/Dublin"), or one of the
    // window's fixed offsets ("GMT", "GMT+05:30").
    std::string zone = "GMT";
    bool southern = false;  // the southern hemisphere's names and seasons
    bool moon = true;       // the ring of full and new moons and eclipses
    bool terms = false;     // the ring of the 24 solar terms
    bool precise = false;   // every mark by the precise Sun and Moon
};

struct WheelPageResult {
    int status = 0;     // 0, 1 for a failure while computing, 2 for a bad request
    std::string svg;    // the picture; empty unless status is 0
    std::string error;  // one line why not
};

WheelPageResult MakeWheelSvg(const WheelPageRequest& request);

}  // namespace kalvest::web
