// Window geometry is designed in twips (1/1440 inch); the screen is taken
// at 96 dots per inch, so 15 twips make one pixel.
#pragma once

namespace kalvest {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel of a non-negative twip value.
constexpr int Twips(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace kalvest
