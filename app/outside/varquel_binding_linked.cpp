// The binding where varquel is linked into the program, as in the browser,
// which loads no library by name: the same two calls, made directly. They
// cannot fail for want of the library, so they throw no LibraryError.
#include <varquel.h>

#include "outside/varquel_binding.h"

namespace kalvest {

double VarquelDeltaT(double year, std::int32_t pivot) { return deltat(year, pivot); }

double VarquelPhase(std::int32_t lunation, std::int32_t phase, phase_record* record) {
    return varquel(lunation, phase, record);
}

}  // namespace kalvest
