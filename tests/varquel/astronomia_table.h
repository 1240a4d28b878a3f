// The committed reference table of lunar phases and eclipses written by
// tools/reference/generate_moon_phases.js from the npm package astronomia.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kalvest::testing {

struct ReferenceLunation {
    std::int32_t lunation = 0;
    double jde[4] = {};  // new moon, first quarter, full moon, last quarter

    std::string solar_type;  // none, partial, annular, annular-total, total
    bool solar_central = false;
    std::optional<double> solar_jde_max, solar_gamma, solar_u;

    std::string lunar_type;  // none, penumbral, umbral, total
    std::optional<double> lunar_jde_max, lunar_gamma, lunar_u, lunar_magnitude;
    std::optional<double> sd_penumbral_days, sd_partial_days, sd_total_days;
};

inline std::optional<double> OptionalNumber(const std::string& field) {
    if (field.empty()) return std::nullopt;
    return std::stod(field);
}

// Rows in file order; comment lines start with '#', the first other line
// names the columns in the order read below.
inline std::vector<ReferenceLunation> ReadAstronomiaTable(const std::string& path) {
    std::ifstream in(path);
    std::vector<ReferenceLunation> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) f.push_back(field);
        f.resize(18);
        ReferenceLunation r;
        r.lunation = std::stoi(f[0]);
        for (int i = 0; i < 4; ++i) r.jde[i] = std::stod(f[1 + i]);
        r.solar_type = f[5];
        r.solar_central = f[6] == "1";
        r.solar_jde_max = OptionalNumber(f[7]);
        r.solar_gamma = OptionalNumber(f[8]);
        r.solar_u = OptionalNumber(f[9]);
        r.lunar_type = f[10];
        r.lunar_jde_max = OptionalNumber(f[11]);
        r.lunar_gamma = OptionalNumber(f[12]);
        r.lunar_u = OptionalNumber(f[13]);
        r.lunar_magnitude = OptionalNumber(f[14]);
        r.sd_penumbral_days = OptionalNumber(f[15]);
        r.sd_partial_days = OptionalNumber(f[16]);
        r.sd_total_days = OptionalNumber(f[17]);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace kalvest::testing
