#include "datetime/zone_countries.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/program_folder.h"

namespace kalvest {
namespace {

// The tab-separated fields of each line that is no comment.
template <typename Visit>
void ForEachRow(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string_view> fields;
        std::size_t from = 0;
        while (true) {
            const std::size_t tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab - from));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        visit(fields);
    }
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        parts.push_back(text.substr(from, comma - from));
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    return parts;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

ZoneCountries ParseZoneCountries(std::string_view zone_tab, std::string_view zone1970_tab,
                                 std::string_view iso3166_tab) {
    std::map<std::string, std::string, std::less<>> names;
    ForEachRow(iso3166_tab, [&](const std::vector<std::string_view>& fields) {
        if (fields.size() >= 2 && !fields[0].empty()) {
            names.emplace(std::string(fields[0]), std::string(fields[1]));
        }
    });
    ZoneCountries countries;
    const auto add = [&](std::string_view codes, std::string_view zone) {
        if (zone.empty()) return;
        std::vector<std::string>& list = countries[std::string(zone)];
        for (const std::string_view code : SplitCommas(codes)) {
            if (code.empty()) continue;
            const auto name = names.find(code);
            std::string country = name != names.end() ? name->second : std::string(code);
            if (std::find(list.begin(), list.end(), country) == list.end()) {
                list.push_back(std::move(country));
            }
        }
    };
    // Both tables: country code(s), coordinates, zone name, comments.
    for (const std::string_view table : {zone_tab, zone1970_tab}) {
        ForEachRow(table, [&](const std::vector<std::string_view>& fields) {
            if (fields.size() >= 3) add(fields[0], fields[2]);
        });
    }
    return countries;
}

ZoneCountries ReadZoneCountries(const std::string& folder) {
    const auto path = [&](const char* name) { return folder + PathSeparator() + name; };
    return ParseZoneCountries(ReadText(path("zone.tab")), ReadText(path("zone1970.tab")),
                              ReadText(path("iso3166.tab")));
}

}  // namespace kalvest
