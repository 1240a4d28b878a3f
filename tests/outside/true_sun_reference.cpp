#include "true_sun_reference.h"

#include <fstream>
#include <sstream>

namespace kalvest::testing {

std::vector<ReferenceInstant> ReadReferenceTable(const std::string& name) {
    std::vector<ReferenceInstant> rows;
    std::ifstream file(std::string(KALVEST_SOURCE_DIR "/tests/outside/data/") + name);
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        ReferenceInstant row{};
        char comma1 = 0;
        char comma2 = 0;
        if (fields >> row.year >> comma1 >> row.code >> comma2 >> row.jd_tt &&
            comma1 == ',' && comma2 == ',') {
            rows.push_back(row);
        }
    }
    return rows;
}

}  // namespace kalvest::testing
