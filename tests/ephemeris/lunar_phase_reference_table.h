// The committed table of every phase of the Moon of 1900-2100 by the DE431
// ephemeris of the Swiss Ephemeris (tools/reference/lunar_phases_sweph.c;
// its header names the columns).
#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kalvest::testing {

struct ReferencePhase {
    std::int32_t lunation;
    int phase;
    double jd_tt;
    double moon_longitude;  // degrees
    double moon_distance;   // km
};

inline std::vector<ReferencePhase> ReadLunarPhaseReference() {
    std::vector<ReferencePhase> rows;
    std::ifstream file(KALVEST_SOURCE_DIR "/tests/ephemeris/data/lunar_phases_sweph.csv");
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        ReferencePhase row{};
        char comma[4] = {};
        if (fields >> row.lunation >> comma[0] >> row.phase >> comma[1] >> row.jd_tt >>
            comma[2] >> row.moon_longitude >> comma[3] >> row.moon_distance) {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace kalvest::testing
