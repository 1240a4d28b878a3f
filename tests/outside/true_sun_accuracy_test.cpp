// The true-sun routine against independent high-precision ephemerides: ERFA's
// eraEpv00 for 1900-2100 and the Swiss Ephemeris' analytical ephemeris for
// 1..3000 (tables made by tools/reference/).
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

#include "outside/fendrick.h"
#include "solar/solar_events.h"
#include "true_sun_reference.h"

namespace kalvest {
namespace {

using testing::ReadReferenceTable;
using testing::ReferenceInstant;

// The routine as the program calls it, with equinox and solstice instants
// (TT) for brackets.
double TrueSunTT(std::int32_t year, std::int32_t code) {
    const std::int16_t closing = static_cast<std::int16_t>(code);
    const double first = code == 0 ? EquinoxSolsticeJDE(kDecemberSolstice, year - 1)
                                   : EquinoxSolsticeJDE(static_cast<std::int16_t>(code - 1), year);
    return crossquarterday_true_sun3(first, EquinoxSolsticeJDE(closing, year), code);
}

struct Span {
    std::int32_t first_year;
    std::int32_t last_year;
    double limit_seconds;
    double worst_seconds = 0.0;
    std::int32_t worst_year = 0;
    std::int32_t worst_code = 0;
    int rows = 0;
};

void CheckTable(const std::string& name, std::vector<Span> spans) {
    InitPeriodicTerms();
    const std::vector<ReferenceInstant> table = ReadReferenceTable(name);
    ASSERT_GT(table.size(), 300u) << name;
    for (const ReferenceInstant& row : table) {
        const double error = (TrueSunTT(row.year, row.code) - row.jd_tt) * 86400.0;
        for (Span& span : spans) {
            if (row.year < span.first_year || row.year > span.last_year) continue;
            ++span.rows;
            EXPECT_LE(std::fabs(error), span.limit_seconds)
                << name << ": year " << row.year << " code " << row.code;
            if (std::fabs(error) > std::fabs(span.worst_seconds)) {
                span.worst_seconds = error;
                span.worst_year = row.year;
                span.worst_code = row.code;
            }
        }
    }
    for (const Span& span : spans) {
        std::cout << name << " " << span.first_year << ".." << span.last_year << ": "
                  << span.rows << " instants, largest error " << span.worst_seconds
                  << " s (year " << span.worst_year << ", code " << span.worst_code
                  << ")\n";
    }
}

TEST(TrueSunAccuracy, WithinOneAndAHalfSecondsOfErfaOver1900To2100) {
    CheckTable("cross_quarter_erfa.csv", {{1900, 2100, 1.5}});
}

TEST(TrueSunAccuracy, WithinTheSpreadOfModernModelsOverYears1To3000) {
    // Near the present the analytical ephemeris of the Swiss Ephemeris
    // scatters by a couple of seconds itself, so the tighter limit of
    // 1900-2100 is held against ERFA alone; far from the present most of
    // the difference is between the precession models (IAU 2006 here, the
    // Swiss Ephemeris' own default there).
    CheckTable("cross_quarter_sweph.csv", {{1800, 2200, 3.0}, {1, 3000, 25.0}});
}

TEST(TrueSunAccuracy, TheTwoReferencesAgreeWhereBothHold) {
    // Guards the tables themselves: where both ephemerides are good they
    // agree within the scatter of the analytical one.
    const std::vector<ReferenceInstant> erfa = ReadReferenceTable("cross_quarter_erfa.csv");
    const std::vector<ReferenceInstant> swiss = ReadReferenceTable("cross_quarter_sweph.csv");
    int compared = 0;
    for (const ReferenceInstant& a : erfa) {
        for (const ReferenceInstant& b : swiss) {
            if (a.year != b.year || a.code != b.code) continue;
            EXPECT_NEAR(a.jd_tt, b.jd_tt, 2.0 / 86400.0) << a.year << " " << a.code;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);
}

}  // namespace
}  // namespace kalvest
