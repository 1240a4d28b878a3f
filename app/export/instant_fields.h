// The columns with which every listing's instants end, and their values:
// jd_ut, delta_t_minutes (the Delta T the instant was corrected with),
// date, time, zone (the abbreviation of the instant), weekday and
// utc_offset_minutes.
#pragma once

#include <string>
#include <vector>

#include "datetime/local_time.h"
#include "export/event_list.h"

namespace kalvest {

// Appends the seven column names.
void AppendInstantColumns(std::vector<std::string>& columns);

// Appends the seven values: the Julian Day with ten decimals, Delta T with
// nine, and the local time. The offset is a whole number of minutes;
// local mean time keeps its seconds as a fraction (-25.35 for Dublin's
// -00:25:21).
void AppendInstantFields(double jd_ut, double delta_t_minutes, const LocalTime& local,
                         std::vector<FieldValue>& fields);

}  // namespace kalvest
