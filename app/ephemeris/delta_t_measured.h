// Delta T measured from the Earth's rotation, at the start of each year
// (see delta_t_measured.cpp for the sources). Read by modern_delta_t.cpp.
#pragma once

namespace kalvest::delta_t {

// Seconds of TT - UT at January 1, 0h, of kFirstMeasuredYear,
// kFirstMeasuredYear + 1, ..., kLastMeasuredYear.
constexpr int kFirstMeasuredYear = 1620;
constexpr int kLastMeasuredYear = 2026;
extern const double kMeasured[kLastMeasuredYear - kFirstMeasuredYear + 1];

}  // namespace kalvest::delta_t
