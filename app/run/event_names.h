// The event-name table of the main window: 5 kinds by 4 codes.
//   kind 0  full captions of the equinox/solstice boxes ("Spring (March) equinox")
//   kind 1  northern cross-quarter names (Imbolc, Beltane, Lughnassad, Samhain)
//   kind 2  northern equinox/solstice names without the month ("Spring equinox")
//   kind 3  southern equinox/solstice names ("Autumn equinox" for code 0)
//   kind 4  southern cross-quarter names (Lughnassad for code 0)
#pragma once

#include <array>
#include <string>

#include "solar/solar_term_names.h"

namespace kalvest {

using EventNameTable = std::array<std::array<std::string, 4>, 5>;

enum EventNameKind : int {
    kKindQuarterCaption = 0,
    kKindCrossQuarterNorth = 1,
    kKindQuarterNorth = 2,
    kKindQuarterSouth = 3,
    kKindCrossQuarterSouth = 4,
};

// Captions of the check boxes, by code.
extern const std::array<std::string, 4> kQuarterCaptions;
extern const std::array<std::string, 4> kCrossQuarterCaptions;

// The caption without its parenthesised part and the blank after it:
// "Spring (March) equinox" gives "Spring equinox". A caption without both
// parentheses comes back unchanged.
std::string StripParenthesized(const std::string& caption);

// The table filled from the captions of the four equinox/solstice boxes and
// the four cross-quarter boxes, each in code order.
EventNameTable MakeEventNames(const std::array<std::string, 4>& quarter_captions,
                              const std::array<std::string, 4>& cross_quarter_captions);

// The table from the standard captions.
const EventNameTable& DefaultEventNames();

// The solar term's turning-point name from `names` ("Spring (March)
// equinox", "Imbolc"); the empty text for a term that is none.
std::string TurningPointName(const SolarTermName& term,
                             const EventNameTable& names = DefaultEventNames());

}  // namespace kalvest
