// The committed reference tables of true-sun cross-quarter instants
// (tools/reference/): rows of year, code and the instant in TT.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kalvest::testing {

struct ReferenceInstant {
    std::int32_t year;
    std::int32_t code;
    double jd_tt;
};

// Reads tests/outside/data/<name>; an unreadable file gives no rows.
std::vector<ReferenceInstant> ReadReferenceTable(const std::string& name);

}  // namespace kalvest::testing
