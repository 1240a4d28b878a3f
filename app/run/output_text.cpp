#include "run/output_text.h"

namespace kalvest {

std::string OutputText::WithLineFeeds() const {
    std::string result;
    result.reserve(text_.size());
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') continue;
        result += text_[i];
    }
    return result;
}

}  // namespace kalvest
