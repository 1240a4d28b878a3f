// Window geometry is designed in twips (1/1440 inch); on the screen 15
// twips make one pixel (96 dots per inch).
#pragma once

#include <cmath>

namespace kalvest {

inline constexpr double kTwipsPerPixelF = 15.0;

// Nearest whole pixel of a twip value, negative values included (halves
// away from zero).
inline int PixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixelF));
}

// The twips of a pixel value.
inline double TwipsFromPixels(int pixels) { return pixels * kTwipsPerPixelF; }

}  // namespace kalvest
