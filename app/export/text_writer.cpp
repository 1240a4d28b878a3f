#include "export/text_writer.h"

namespace kalvest {

void TextWriter::Write(const ListedEvent& event) {
    if (section_ && *section_ != event.section) {
        out_ += separator_;
        out_ += '\n';
    }
    section_ = event.section;
    out_ += event.text_line;
    out_ += '\n';
}

std::string TextLines(const EventList& list, const std::string& separator) {
    std::string out;
    TextWriter writer(out, separator);
    WriteList(list, writer);
    return out;
}

}  // namespace kalvest
