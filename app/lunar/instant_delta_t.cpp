#include "lunar/instant_delta_t.h"

#include "outside/varquel_binding.h"
#include "solar/solar_events.h"

namespace kalvest {

double DeltaTMinutesAt(double jde) { return VarquelDeltaT(DecimalYear(jde), kDeltaTPivotYear); }

}  // namespace kalvest
