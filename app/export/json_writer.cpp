#include "export/json_writer.h"

#include <nlohmann/json.hpp>

#include <optional>

#include "common/decimal_text.h"
#include "datetime/utc_text.h"

namespace kalvest {
namespace {

using Json = nlohmann::ordered_json;

Json ValueOf(const FieldValue& value) {
    switch (value.type()) {
    case FieldValue::Type::kNull:
        return nullptr;
    case FieldValue::Type::kText:
        return value.text();
    case FieldValue::Type::kInteger:
        return value.integer();
    case FieldValue::Type::kNumber:
        break;
    }
    // The number the CSV text shows, so that both files agree and JSON
    // does not trail binary noise (1.4285056, not 1.4285056000000003).
    return ParseDecimal(value.ToText()).value_or(value.number());
}

Json UtcStamp(double jd_ut) {
    const std::optional<std::string> text = IsoUtcText(jd_ut);
    return text ? Json(*text) : Json(nullptr);
}

}  // namespace

void JsonWriter::Begin(const std::vector<std::string>& columns) {
    columns_ = columns;
    out_ += '[';
}

void JsonWriter::Write(const ListedEvent& event) {
    Json object = Json::object();
    for (std::size_t i = 0; i < columns_.size() && i < event.fields.size(); ++i) {
        object[columns_[i]] = ValueOf(event.fields[i]);
    }
    object["iso_utc"] = UtcStamp(event.calendar.start_jd_ut);
    if (event.calendar.end_jd_ut) object["iso_utc_end"] = UtcStamp(*event.calendar.end_jd_ut);
    out_ += first_ ? "\n  " : ",\n  ";
    // A text that is not UTF-8 (which no listing makes) is written with
    // U+FFFD for its bad bytes rather than refused.
    out_ += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    first_ = false;
}

void JsonWriter::End() { out_ += first_ ? "]\n" : "\n]\n"; }

std::string JsonText(const EventList& list) {
    std::string out;
    JsonWriter writer(out);
    WriteList(list, writer);
    return out;
}

}  // namespace kalvest
