// The 24 solar terms (jieqi) of the Chinese and Japanese calendars: each
// begins when the Sun's apparent longitude reaches a multiple of 15
// degrees. Listed in the order of the calendar year, from Xiaohan (285
// degrees, early January) to Dongzhi (270 degrees, the December solstice).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "solar/solar_event.h"

namespace kalvest {

constexpr int kSolarTermCount = 24;

struct SolarTermName {
    int longitude_degrees;  // 285, 300, 315, 330, 345, 0, 15, ..., 270
    const char* pinyin;     // with tone marks, UTF-8: "Xiǎohán"
    const char* ascii;      // the pinyin without them: "Xiaohan"
    const char* english;    // "Minor Cold"
    // The name in Chinese characters, simplified and traditional, UTF-8:
    // "惊蛰" and "驚蟄"; the same text where the two scripts agree ("立春").
    const char* hanzi;
    const char* hanzi_traditional;
    // The turning point of the program that the term is: kLineEquinoxSolstice
    // with an event code (Chunfen is the March equinox), kLineCrossQuarter
    // with a cross-quarter code (Lichun is Imbolc), or kind and code -1 for
    // the sixteen other terms.
    std::int16_t event_kind;
    std::int16_t event_code;
};

// The 24 terms, Xiaohan first.
const std::array<SolarTermName, kSolarTermCount>& SolarTermNames();

}  // namespace kalvest
