// The status of the page's answers: 0 for a result, kStatusFailure when
// the computation failed, kStatusBadRequest for a request the core does
// not take (kalvest-cli's exit statuses, which the page's script knows).
#pragma once

namespace kalvest::web {

inline constexpr int kStatusFailure = 1;
inline constexpr int kStatusBadRequest = 2;

}  // namespace kalvest::web
