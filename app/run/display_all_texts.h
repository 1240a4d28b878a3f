// The texts of the display-all window: its caption and the eight event
// cells of its three-by-three grid, which reads clockwise round the year
// from the top left (Imbolc, March equinox, Beltane, June solstice,
// Lughnassad, September equinox, Samhain, December solstice by their
// northern names). Qt-free; the window only shows them. Lines within a
// cell are separated by CR LF.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "datetime/date_time_text.h"
#include "datetime/time_zone.h"
#include "outside/dantrow.h"
#include "run/event_names.h"

namespace kalvest {

constexpr int kDisplayAllCellCount = 9;
// The centre cell holds the reading hint and the Close button.
constexpr int kDisplayAllCentreCell = 4;
inline constexpr const char* kDisplayAllCentreText = "Read clockwise from top left";

// Cell (3 x row + column) of each event: cross-quarter codes 0, 1, 2, 3 go
// to the corners 0, 2, 8, 6; equinox/solstice events 0, 1, 2, 3 to the
// edge cells 1, 5, 7, 3.
int CrossQuarterCell(std::int16_t code);
int EquinoxSolsticeCell(std::int16_t event);

// "All dates and times for 2021 CE in the Northern Hemisphere"; the year
// text is shown as the user typed it (trimmed), also in the Julian
// calendar.
std::string DisplayAllCaption(const std::string& year_text, bool southern);

// An equinox or solstice: its name for the hemisphere, then the date-time
// text and the zone suffix.
std::string EquinoxSolsticeCellText(const EventNameTable& names, bool southern,
                                    std::int16_t event, const std::string& date_time,
                                    std::int16_t zone_minutes);

// The same with the time text already followed by its zone's text
// ("2024-06-20 CE 21:50 IST"), which a zone with daylight saving time
// gives each instant on its own.
std::string EquinoxSolsticeCellText(const EventNameTable& names, bool southern,
                                    std::int16_t event, const std::string& zoned_time);

// A cross-quarter day: its name for the hemisphere, then a "True sun: " and
// a "Mean sun: " line. The top-row days (codes 0 and 1) list the true sun
// first, the bottom-row days (codes 2 and 3) the mean sun first, so that
// the true-sun line is always the one nearer the window's edge.
std::string CrossQuarterCellText(const EventNameTable& names, bool southern,
                                 std::int16_t code, const std::string& true_sun,
                                 const std::string& mean_sun,
                                 std::int16_t zone_minutes);

// The same with both time texts already followed by their zone's text.
std::string CrossQuarterCellText(const EventNameTable& names, bool southern,
                                 std::int16_t code, const std::string& zoned_true_sun,
                                 const std::string& zoned_mean_sun);

// What one display-all run reads from the main window.
struct DisplayAllSelection {
    std::int32_t year = 0;             // validated
    std::int16_t calendar_code = kCalendarGregorian;  // or kCalendarJulian
    std::int16_t zone_minutes = 0;
    bool southern = false;
};

// One cross-quarter day by both methods (true sun computed first) and one
// equinox or solstice, each converted with the run's calendar and zone
// through `record`. Throw LibraryError when a library they need is missing.
std::string FillAllCrossQuarterText(const EventNameTable& names,
                                    const DisplayAllSelection& selection,
                                    std::int16_t code, EuroDate& record);
std::string FillAllEquinoxSolsticeText(const EventNameTable& names,
                                       const DisplayAllSelection& selection,
                                       std::int16_t event, EuroDate& record);

// All eight event cells, computed in the run's order (cross-quarter codes
// 0 to 3, then events 0 to 3); the centre cell stays empty.
std::array<std::string, kDisplayAllCellCount> FillAllCellTexts(
    const EventNameTable& names, const DisplayAllSelection& selection,
    EuroDate& record);

// All eight event cells with every time in `zone`, each followed by the
// zone's text for its own instant; `selection.zone_minutes` is not used.
// Computed in the same order as above; with `precise` every instant by
// ComputeInstant's precise form instead, and the times to the second if asked
// (kalvest-cli's grid; the window asks for neither).
std::array<std::string, kDisplayAllCellCount> FillAllCellTexts(
    const EventNameTable& names, const DisplayAllSelection& selection,
    const TimeZone& zone, EuroDate& record, bool precise = false,
    TimePrecision precision = TimePrecision::kMinutes);

}  // namespace kalvest
