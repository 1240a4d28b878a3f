#include "solar/solar_term_names.h"

namespace kalvest {
namespace {

constexpr std::int16_t kNone = -1;
constexpr std::int16_t kQuarter = kLineEquinoxSolstice;
constexpr std::int16_t kCrossQuarter = kLineCrossQuarter;

// Pinyin as commonly written, with the tone marks; English names as the
// usual translations have them.
constexpr std::array<SolarTermName, kSolarTermCount> kNames{{
    {285, "Xiǎohán", "Xiaohan", "Minor Cold", kNone, kNone},
    {300, "Dàhán", "Dahan", "Major Cold", kNone, kNone},
    {315, "Lìchūn", "Lichun", "Start of Spring", kCrossQuarter, 0},
    {330, "Yǔshuǐ", "Yushui", "Rain Water", kNone, kNone},
    {345, "Jīngzhé", "Jingzhe", "Awakening of Insects", kNone, kNone},
    {0, "Chūnfēn", "Chunfen", "Spring Equinox", kQuarter, 0},
    {15, "Qīngmíng", "Qingming", "Pure Brightness", kNone, kNone},
    {30, "Gǔyǔ", "Guyu", "Grain Rain", kNone, kNone},
    {45, "Lìxià", "Lixia", "Start of Summer", kCrossQuarter, 1},
    {60, "Xiǎomǎn", "Xiaoman", "Grain Buds", kNone, kNone},
    {75, "Mángzhòng", "Mangzhong", "Grain in Ear", kNone, kNone},
    {90, "Xiàzhì", "Xiazhi", "Summer Solstice", kQuarter, 1},
    {105, "Xiǎoshǔ", "Xiaoshu", "Minor Heat", kNone, kNone},
    {120, "Dàshǔ", "Dashu", "Major Heat", kNone, kNone},
    {135, "Lìqiū", "Liqiu", "Start of Autumn", kCrossQuarter, 2},
    {150, "Chǔshǔ", "Chushu", "End of Heat", kNone, kNone},
    {165, "Báilù", "Bailu", "White Dew", kNone, kNone},
    {180, "Qiūfēn", "Qiufen", "Autumn Equinox", kQuarter, 2},
    {195, "Hánlù", "Hanlu", "Cold Dew", kNone, kNone},
    {210, "Shuāngjiàng", "Shuangjiang", "Frost's Descent", kNone, kNone},
    {225, "Lìdōng", "Lidong", "Start of Winter", kCrossQuarter, 3},
    {240, "Xiǎoxuě", "Xiaoxue", "Minor Snow", kNone, kNone},
    {255, "Dàxuě", "Daxue", "Major Snow", kNone, kNone},
    {270, "Dōngzhì", "Dongzhi", "Winter Solstice", kQuarter, 3},
}};

}  // namespace

const std::array<SolarTermName, kSolarTermCount>& SolarTermNames() { return kNames; }

}  // namespace kalvest
