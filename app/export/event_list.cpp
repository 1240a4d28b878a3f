#include "export/event_list.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "common/decimal_text.h"

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

void FieldValue::AppendText(std::string& out) const {
    switch (type()) {
    case Type::kNull:
        return;
    case Type::kText:
        out += text();
        return;
    case Type::kInteger:
    case Type::kNumber:
        break;
    }
    // Written straight into a buffer: tens of thousands of rows pass here.
    char buffer[400];
    std::size_t length = 0;
    bool trim_zeros = false;
    if (type() == Type::kInteger) {
        length = static_cast<std::size_t>(
            std::to_chars(buffer, buffer + sizeof buffer, integer()).ptr - buffer);
    } else {
        const Number& number = std::get<Number>(value_);
        length = WriteFixedDecimal(buffer, sizeof buffer, number.value, number.decimals);
        trim_zeros = number.trim_zeros;
        if (length == 0) {  // beyond 1e300: printf's exponent form will do
            std::snprintf(buffer, sizeof buffer, "%.*g", number.decimals + 1, number.value);
            length = std::strlen(buffer);
        }
    }
    std::string_view text(buffer, length);
    if (trim_zeros && text.find('.') != std::string_view::npos) {
        text.remove_suffix(text.size() - 1 - text.find_last_not_of('0'));
        if (text.back() == '.') text.remove_suffix(1);
        if (text == "-0") text = "0";
    }
    out += text;
}

std::string FieldValue::ToText() const {
    std::string text;
    AppendText(text);
    return text;
}

void WriteList(const EventList& list, ListingWriter& writer) {
    writer.Begin(list.columns);
    for (const ListedEvent& event : list.events) writer.Write(event);
    writer.End();
}

EventList CollectListing(const std::function<void(ListingWriter& writer)>& list) {
    ListCollector collector;
    list(collector);
    return std::move(collector.List());
}

}  // namespace kalvest
