#include "eclipse_reference_table.h"

#include <fstream>
#include <sstream>

namespace kalvest::testing {
namespace {

std::optional<double> OptionalNumber(const std::string& field) {
    if (field.empty()) return std::nullopt;
    return std::stod(field);
}

// body,kind,central,greatest_jd_ut,delta_t_seconds,magnitude,
// mag_penumbral,saros, and the six contacts.
constexpr std::size_t kColumns = 14;

}  // namespace

std::vector<ReferenceEclipse> ReadEclipseReference() {
    std::ifstream in(std::string(KALVEST_SOURCE_DIR) + "/tests/lunar/data/eclipses_sweph.csv");
    std::vector<ReferenceEclipse> rows;
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
        f.resize(kColumns);
        ReferenceEclipse r;
        r.solar = f[0] == "solar";
        r.kind = f[1];
        r.central = f[2] == "1";
        r.greatest_jd_ut = std::stod(f[3]);
        r.delta_t_seconds = std::stod(f[4]);
        r.magnitude = std::stod(f[5]);
        r.mag_penumbral = OptionalNumber(f[6]).value_or(0.0);
        if (!f[7].empty()) r.saros = std::stoi(f[7]);
        for (std::size_t i = 0; i < r.contacts.size(); ++i) r.contacts[i] = OptionalNumber(f[8 + i]);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace kalvest::testing
