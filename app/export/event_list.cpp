#include "export/event_list.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace kalvest {

FieldValue FieldValue::Text(std::string text) {
    FieldValue value;
    value.value_ = std::move(text);
    return value;
}

FieldValue FieldValue::Integer(std::int64_t integer) {
    FieldValue value;
    value.value_ = integer;
    return value;
}

FieldValue FieldValue::Fixed(double number, int decimals) {
    FieldValue value;
    value.value_ = Number{number, decimals, false};
    return value;
}

FieldValue FieldValue::Rounded(double number, int max_decimals) {
    const double scale = std::pow(10.0, max_decimals);
    FieldValue value;
    value.value_ = Number{std::round(number * scale) / scale, max_decimals, true};
    return value;
}

std::string FieldValue::ToText() const {
    switch (type()) {
    case Type::kNull:
        return {};
    case Type::kText:
        return text();
    case Type::kInteger:
        return std::to_string(integer());
    case Type::kNumber:
        break;
    }
    const Number& number = std::get<Number>(value_);
    // The shortest exact decimal form, as printf's "%.*f" writes it, but
    // several times faster; a number too long for the buffer (beyond
    // 1e300) falls back to printf.
    char buffer[400];
    const std::to_chars_result result = std::to_chars(
        buffer, buffer + sizeof buffer, number.value, std::chars_format::fixed, number.decimals);
    std::string text;
    if (result.ec == std::errc()) {
        text.assign(buffer, result.ptr);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*f", number.decimals, number.value);
        text = buffer;
    }
    if (number.trim_zeros && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        if (text == "-0") text = "0";
    }
    return text;
}

void WriteList(const EventList& list, ListingWriter& writer) {
    writer.Begin(list.columns);
    for (const ListedEvent& event : list.events) writer.Write(event);
    writer.End();
}

}  // namespace kalvest
