// How many columns of a terminal or of a fixed-pitch font a UTF-8 text
// takes: one per character, two for the wide characters of East Asian
// scripts (Chinese characters, kana, hangul, full-width forms), so that a
// column of text lines up after a name in Chinese characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvest {

// Whether the character takes two columns.
bool IsWideCharacter(char32_t code);

// The columns of `text`; a byte that starts no UTF-8 character counts as
// one column, as the replacement character it stands for.
std::size_t DisplayWidth(std::string_view text);

// Appends `text` to `line` and as many blanks as make it `width` columns
// wide; a wider text is appended whole.
void AppendPaddedToWidth(std::string& line, std::string_view text, std::size_t width);

}  // namespace kalvest
