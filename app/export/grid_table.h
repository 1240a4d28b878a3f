// The display-all window's three-by-three grid as a text table, for a
// terminal: each cell's lines in a box, the boxes in the window's rows and
// columns.
#pragma once

#include <array>
#include <string>

namespace kalvest {

// `cells` in the window's order (index = 3 x row + column), their lines
// separated by CR LF or LF. Columns are as wide as their widest line (in
// characters), rows as high as their tallest cell; lines end in LF.
std::string GridTable(const std::array<std::string, 9>& cells);

}  // namespace kalvest
