// Which countries each zone of the time zone database serves, from the
// database's own tables: zone.tab (one country a zone, every zone of a
// country), zone1970.tab (each zone with every country whose clocks have
// agreed with it since 1970) and iso3166.tab (the countries' names).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kalvest {

// Zone name -> the names of its countries, each once, in the tables'
// order ("Europe/Berlin" -> "Germany", "Denmark", ...).
using ZoneCountries = std::map<std::string, std::vector<std::string>>;

// The tables' texts as the database ships them: lines of tab-separated
// fields, "#" comments. A line that does not fit is skipped; a country code
// without a name stands for itself.
ZoneCountries ParseZoneCountries(std::string_view zone_tab, std::string_view zone1970_tab,
                                 std::string_view iso3166_tab);

// The tables of `folder` (ZoneTableFolder); a missing table counts as
// empty, so that the zones can still be found by name.
ZoneCountries ReadZoneCountries(const std::string& folder);

}  // namespace kalvest
