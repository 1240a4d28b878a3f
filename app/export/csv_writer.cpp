#include "export/csv_writer.h"

namespace kalvest {
namespace {

// A field with a comma, a quote or a line break goes in quotes, its quotes
// doubled.
void AppendField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

void CsvWriter::Begin(const std::vector<std::string>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) out_ += ',';
        AppendField(out_, columns[i]);
    }
    out_ += '\n';
}

void CsvWriter::Write(const ListedEvent& event) {
    for (std::size_t i = 0; i < event.fields.size(); ++i) {
        if (i > 0) out_ += ',';
        const FieldValue& field = event.fields[i];
        if (field.type() == FieldValue::Type::kText) {
            AppendField(out_, field.text());
        } else {
            field.AppendText(out_);  // numbers need no quotes
        }
    }
    out_ += '\n';
}

std::string CsvText(const EventList& list) {
    std::string out;
    CsvWriter writer(out);
    WriteList(list, writer);
    return out;
}

}  // namespace kalvest
