#include "export/instant_fields.h"

#include "datetime/date_time_text.h"

namespace kalvest {

void AppendInstantColumns(std::vector<std::string>& columns) {
    columns.insert(columns.end(), {"jd_ut", "delta_t_minutes", "date", "time", "zone",
                                   "weekday", "utc_offset_minutes"});
}

void AppendInstantFields(double jd_ut, double delta_t_minutes, const LocalTime& local,
                         std::vector<FieldValue>& fields) {
    fields.push_back(FieldValue::Fixed(jd_ut, 10));
    fields.push_back(FieldValue::Fixed(delta_t_minutes, 9));
    fields.push_back(FieldValue::Text(local.date));
    fields.push_back(FieldValue::Text(local.time));
    fields.push_back(FieldValue::Text(local.zone));
    fields.push_back(FieldValue::Text(WeekdayName(local.weekday)));
    fields.push_back(local.offset_seconds % 60 == 0
                         ? FieldValue::Integer(local.offset_seconds / 60)
                         : FieldValue::Rounded(local.offset_seconds / 60.0, 4));
}

}  // namespace kalvest
