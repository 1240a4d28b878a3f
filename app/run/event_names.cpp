#include "run/event_names.h"

namespace kalvest {

const std::array<std::string, 4> kQuarterCaptions = {
    "Spring (March) equinox", "Summer (June) solstice",
    "Autumn (September) equinox", "Winter (December) solstice"};

const std::array<std::string, 4> kCrossQuarterCaptions = {
    "Imbolc", "Beltane", "Lughnassad", "Samhain"};

std::string StripParenthesized(const std::string& caption) {
    const std::size_t open = caption.find('(');
    const std::size_t close = caption.find(')');
    if (open == std::string::npos || close == std::string::npos) return caption;
    // Keep what precedes "(" and what follows the blank after ")".
    const std::size_t rest = close + 2;
    return caption.substr(0, open) +
           (rest < caption.size() ? caption.substr(rest) : std::string());
}

EventNameTable MakeEventNames(const std::array<std::string, 4>& quarter_captions,
                              const std::array<std::string, 4>& cross_quarter_captions) {
    EventNameTable names;
    for (int code = 0; code < 4; ++code) {
        // Half a year on: the southern name of a code is the northern name
        // of the code two further.
        const int opposite = (code + 2) % 4;
        names[kKindQuarterCaption][code] = quarter_captions[code];
        names[kKindCrossQuarterNorth][code] = cross_quarter_captions[code];
        names[kKindQuarterNorth][code] = StripParenthesized(quarter_captions[code]);
        names[kKindQuarterSouth][code] = StripParenthesized(quarter_captions[opposite]);
        names[kKindCrossQuarterSouth][code] = cross_quarter_captions[opposite];
    }
    return names;
}

const EventNameTable& DefaultEventNames() {
    static const EventNameTable names =
        MakeEventNames(kQuarterCaptions, kCrossQuarterCaptions);
    return names;
}

std::string TurningPointName(const SolarTermName& term, const EventNameTable& names) {
    if (term.event_kind < 0 || term.event_kind >= static_cast<int>(names.size()) ||
        term.event_code < 0 || term.event_code > 3) {
        return "";
    }
    return names[term.event_kind][term.event_code];
}

}  // namespace kalvest
