#include "export/grid_table.h"

#include <algorithm>
#include <vector>

namespace kalvest {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

// Characters, not bytes: a UTF-8 name keeps the columns straight.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string GridTable(const std::array<std::string, 9>& cells) {
    std::array<std::vector<std::string>, 9> lines;
    std::array<std::size_t, 3> widths{};
    std::array<std::size_t, 3> heights{};
    for (int i = 0; i < 9; ++i) {
        lines[i] = SplitLines(cells[i]);
        for (const std::string& line : lines[i]) {
            widths[i % 3] = std::max(widths[i % 3], Width(line));
        }
        heights[i / 3] = std::max(heights[i / 3], lines[i].size());
    }
    std::string rule = "+";
    for (const std::size_t width : widths) rule += std::string(width + 2, '-') + "+";
    rule += '\n';

    std::string out = rule;
    for (int row = 0; row < 3; ++row) {
        for (std::size_t k = 0; k < heights[row]; ++k) {
            out += '|';
            for (int column = 0; column < 3; ++column) {
                const std::vector<std::string>& cell = lines[3 * row + column];
                const std::string text = k < cell.size() ? cell[k] : std::string();
                out += ' ' + text + std::string(widths[column] - Width(text), ' ') + " |";
            }
            out += '\n';
        }
        out += rule;
    }
    return out;
}

}  // namespace kalvest
