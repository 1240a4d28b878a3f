#include "solar/cross_quarter.h"

#include "outside/fendrick.h"
#include "solar/solar_events.h"

namespace kalvest {
namespace {

struct Brackets {
    double first;   // JD (UT) of the event that opens the interval
    double second;  // JD (UT) of the event that closes it
};

// The event that closes the interval has the code's own number; the one
// that opens it is the one before, which for code 0 is the December
// solstice of the year before. Codes outside 0..3 close, like
// EquinoxSolsticeJD, at the December solstice.
Brackets BracketsOf(std::int32_t year, std::int16_t code) {
    Brackets b{};
    if (code == 0) {
        b.first = EquinoxSolsticeJD(kDecemberSolstice, year - 1);
    } else {
        b.first = EquinoxSolsticeJD(static_cast<std::int16_t>(code - 1), year);
    }
    b.second = EquinoxSolsticeJD(code, year);
    return b;
}

}  // namespace

double CrossQuarterMeanSun(std::int32_t year, std::int16_t code) {
    const Brackets b = BracketsOf(year, code);
    return b.first + (b.second - b.first) / 2.0;
}

double CrossQuarterTrueSun(std::int32_t year, std::int16_t code) {
    const Brackets b = BracketsOf(year, code);
    const double delta_t_days = DeltaTMinutes(year) / 60.0 / 24.0;
    const double tt = crossquarterday_true_sun3(
        b.first + delta_t_days, b.second + delta_t_days, static_cast<std::int32_t>(code));
    return tt - delta_t_days;
}

}  // namespace kalvest
