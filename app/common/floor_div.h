// Integer division that rounds towards minus infinity, so that day and year
// arithmetic holds before its epochs as after them (C++'s own division
// rounds towards zero).
#pragma once

#include <cstdint>

namespace kalvest {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

}  // namespace kalvest
