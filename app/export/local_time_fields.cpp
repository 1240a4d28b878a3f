#include "export/local_time_fields.h"

#include "datetime/date_time_text.h"

namespace kalvest {

void AppendLocalTimeColumns(std::vector<std::string>& columns) {
    columns.insert(columns.end(), {"date", "time", "zone", "weekday", "utc_offset_minutes"});
}

void AppendLocalTimeFields(const LocalTime& local, std::vector<FieldValue>& fields) {
    fields.push_back(FieldValue::Text(local.date));
    fields.push_back(FieldValue::Text(local.time));
    fields.push_back(FieldValue::Text(local.zone));
    fields.push_back(FieldValue::Text(WeekdayName(local.weekday)));
    fields.push_back(local.offset_seconds % 60 == 0
                         ? FieldValue::Integer(local.offset_seconds / 60)
                         : FieldValue::Rounded(local.offset_seconds / 60.0, 4));
}

}  // namespace kalvest
