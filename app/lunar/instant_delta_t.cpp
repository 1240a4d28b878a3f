#include "lunar/instant_delta_t.h"

#include "outside/varquel_binding.h"
#include "solar/solar_events.h"

namespace kalvest {

namespace {
constexpr double kJd2000January1 = 2451544.5;
constexpr double kGregorianYearDays = 365.2425;
}  // namespace

double DecimalYear(double jd) { return 2000.0 + (jd - kJd2000January1) / kGregorianYearDays; }

double DeltaTMinutesAt(double jde) { return VarquelDeltaT(DecimalYear(jde), kDeltaTPivotYear); }

}  // namespace kalvest
