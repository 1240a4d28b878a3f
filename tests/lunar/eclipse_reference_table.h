// The committed reference table of every solar and lunar eclipse of
// 1900-2100, written by tools/reference/eclipses_sweph.mjs from the Swiss
// Ephemeris.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvest::testing {

struct ReferenceEclipse {
    bool solar = false;
    std::string kind;  // solar: total, annular, hybrid, partial;
                       // lunar: total, partial, penumbral
    bool central = false;           // solar total, annular and hybrid only
    double greatest_jd_ut = 0;
    double delta_t_seconds = 0;     // the ephemeris' Delta T there
    double magnitude = 0;           // solar magnitude, or lunar umbral one
    double mag_penumbral = 0;       // lunar only
    std::optional<int> saros;
    // Lunar contacts in UT, in the order of LunarContact; empty for a phase
    // that does not occur.
    std::array<std::optional<double>, 6> contacts;
};

// Rows in time order; an unreadable file gives none.
std::vector<ReferenceEclipse> ReadEclipseReference();

}  // namespace kalvest::testing
