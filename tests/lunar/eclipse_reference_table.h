// The committed table of every eclipse of 1900-2100 by the Swiss Ephemeris
// (tools/reference/eclipses_sweph.mjs; its header names the columns).
#pragma once

#include <array>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kalvest::testing {

struct ReferenceEclipse {
    bool solar = false;
    std::string kind;  // total, annular, hybrid, partial, penumbral
    bool central = false;
    double greatest_jd_ut = 0, delta_t_seconds = 0;
    double magnitude = 0;  // solar; or lunar umbral
    double mag_penumbral = 0;
    std::optional<int> saros;
    std::array<std::optional<double>, 6> contacts;  // lunar, UT, as LunarContact
};

inline std::vector<ReferenceEclipse> ReadEclipseReference() {
    std::ifstream in(KALVEST_SOURCE_DIR "/tests/lunar/data/eclipses_sweph.csv");
    std::vector<ReferenceEclipse> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("body,", 0) == 0) continue;
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
        f.resize(14);
        const auto number = [](const std::string& s) -> std::optional<double> {
            return s.empty() ? std::nullopt : std::optional<double>(std::stod(s));
        };
        ReferenceEclipse r;
        r.solar = f[0] == "solar";
        r.kind = f[1];
        r.central = f[2] == "1";
        r.greatest_jd_ut = std::stod(f[3]);
        r.delta_t_seconds = std::stod(f[4]);
        r.magnitude = std::stod(f[5]);
        r.mag_penumbral = number(f[6]).value_or(0.0);
        if (!f[7].empty()) r.saros = std::stoi(f[7]);
        for (std::size_t i = 0; i < 6; ++i) r.contacts[i] = number(f[8 + i]);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace kalvest::testing
