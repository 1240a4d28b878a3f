// The text of the main window's output box, held the way the program
// writes it: lines end in CR LF. Text widgets keep their own idea of line
// ends, so the box only ever shows a copy made from this text.
#pragma once

#include <string>
#include <utility>

namespace kalvest {

// The line that sets a run off from the output before it.
inline constexpr const char* kRunSeparatorLine = "--------------------\r\n";

class OutputText {
public:
    // The text exactly as written, CR LF line ends included.
    const std::string& Text() const { return text_; }
    bool Empty() const { return text_.empty(); }

    void Clear() { text_.clear(); }
    void Set(std::string text) { text_ = std::move(text); }
    void Append(const std::string& text) { text_ += text; }

    // The text with every CR LF as a single line feed: what a text widget
    // shows and what goes on the clipboard (the toolkit turns a line feed
    // into the platform's own line end there).
    std::string WithLineFeeds() const;

private:
    std::string text_;
};

}  // namespace kalvest
