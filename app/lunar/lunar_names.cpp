#include "lunar/lunar_names.h"

#include <array>

#include "varquel.h"

namespace kalvest {
namespace {

// The classes are varquel's numbers; these tables are indexed by them.
constexpr bool SameNumber(int ours, int varquels) { return ours == varquels; }
static_assert(SameNumber(kSolarPartial, VARQUEL_SOLAR_PARTIAL));
static_assert(SameNumber(kSolarCentralAnnular, VARQUEL_SOLAR_CENTRAL_ANNULAR));
static_assert(SameNumber(kSolarCentralTotal, VARQUEL_SOLAR_CENTRAL_TOTAL));
static_assert(SameNumber(kSolarNonCentralTotal, VARQUEL_SOLAR_NONCENTRAL_TOTAL));
static_assert(SameNumber(kSolarNonCentralAnnular, VARQUEL_SOLAR_NONCENTRAL_ANNULAR));
static_assert(SameNumber(kSolarCentralHybrid, VARQUEL_SOLAR_CENTRAL_HYBRID));
static_assert(SameNumber(kSolarNonCentralHybrid, VARQUEL_SOLAR_NONCENTRAL_HYBRID));
static_assert(SameNumber(kLunarPenumbral, VARQUEL_LUNAR_PENUMBRAL));
static_assert(SameNumber(kLunarPartial, VARQUEL_LUNAR_PARTIAL));
static_assert(SameNumber(kLunarTotal, VARQUEL_LUNAR_TOTAL));
static_assert(SameNumber(static_cast<int>(MoonPhase::kFull), VARQUEL_FULL_MOON));
static_assert(SameNumber(static_cast<int>(MoonPhase::kLastQuarter), VARQUEL_LAST_QUARTER));

constexpr std::array<std::string_view, 11> kClassNames{
    "",
    "partial solar eclipse",
    "central annular solar eclipse",
    "central total solar eclipse",
    "non-central total solar eclipse",
    "non-central annular solar eclipse",
    "central annular-total (hybrid) solar eclipse",
    "non-central annular-total solar eclipse",
    "penumbral lunar eclipse",
    "partial (umbral) lunar eclipse",
    "total lunar eclipse",
};

constexpr std::array<std::string_view, 11> kClassTags{
    "", "P", "CA", "CT", "NCT", "NCA", "CAT", "NCAT", "LP", "LU", "LT",
};

template <std::size_t N>
std::string_view Lookup(const std::array<std::string_view, N>& table, std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(N)) return {};
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view MoonPhaseKey(MoonPhase phase) {
    static constexpr std::array<std::string_view, 4> kKeys{"new", "first_quarter", "full",
                                                           "last_quarter"};
    return Lookup(kKeys, static_cast<std::int64_t>(phase));
}

std::string_view MoonMethodKey(MoonMethod method) {
    return method == MoonMethod::kPrecise ? "precise" : "classical";
}

std::string_view MoonPhaseName(MoonPhase phase) {
    static constexpr std::array<std::string_view, 4> kNames{"New moon", "First quarter",
                                                            "Full moon", "Last quarter"};
    return Lookup(kNames, static_cast<std::int64_t>(phase));
}

std::string_view EclipseClassName(std::int32_t eclipse_class) {
    return Lookup(kClassNames, eclipse_class);
}

std::string_view EclipseClassTag(std::int32_t eclipse_class) {
    return Lookup(kClassTags, eclipse_class);
}

std::string_view LunarContactKey(LunarContact contact) {
    static constexpr std::array<std::string_view, kLunarContactCount> kKeys{
        "penumbral_begin", "partial_begin", "total_begin",
        "total_end",       "partial_end",   "penumbral_end"};
    return Lookup(kKeys, static_cast<std::int64_t>(contact));
}

std::string_view LunarContactName(LunarContact contact) {
    static constexpr std::array<std::string_view, kLunarContactCount> kNames{
        "Penumbral phase begins", "Partial phase begins", "Total phase begins",
        "Total phase ends",       "Partial phase ends",   "Penumbral phase ends"};
    return Lookup(kNames, static_cast<std::int64_t>(contact));
}

}  // namespace kalvest
