// The columns with which every listing of local times ends, and their
// values: date, time, zone (the abbreviation of the instant), weekday and
// utc_offset_minutes.
#pragma once

#include <string>
#include <vector>

#include "datetime/local_time.h"
#include "export/event_list.h"

namespace kalvest {

// Appends the five column names.
void AppendLocalTimeColumns(std::vector<std::string>& columns);

// Appends the five values of `local`. The offset is a whole number of
// minutes; local mean time keeps its seconds as a fraction (-25.35 for
// Dublin's -00:25:21).
void AppendLocalTimeFields(const LocalTime& local, std::vector<FieldValue>& fields);

}  // namespace kalvest
