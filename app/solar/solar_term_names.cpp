#include "solar/solar_term_names.h"

namespace kalvest {
namespace {

constexpr std::int16_t kNone = -1;
constexpr std::int16_t kQuarter = kLineEquinoxSolstice;
constexpr std::int16_t kCrossQuarter = kLineCrossQuarter;

// Pinyin as commonly written, with the tone marks; English names as the
// usual translations have them; the characters as the mainland (simplified)
// and Taiwan and Hong Kong (traditional) write them.
constexpr std::array<SolarTermName, kSolarTermCount> kNames{{
    {285, "Xiǎohán", "Xiaohan", "Minor Cold", "小寒", "小寒", kNone, kNone},
    {300, "Dàhán", "Dahan", "Major Cold", "大寒", "大寒", kNone, kNone},
    {315, "Lìchūn", "Lichun", "Start of Spring", "立春", "立春", kCrossQuarter, 0},
    {330, "Yǔshuǐ", "Yushui", "Rain Water", "雨水", "雨水", kNone, kNone},
    {345, "Jīngzhé", "Jingzhe", "Awakening of Insects", "惊蛰", "驚蟄", kNone, kNone},
    {0, "Chūnfēn", "Chunfen", "Spring Equinox", "春分", "春分", kQuarter, 0},
    {15, "Qīngmíng", "Qingming", "Pure Brightness", "清明", "清明", kNone, kNone},
    {30, "Gǔyǔ", "Guyu", "Grain Rain", "谷雨", "穀雨", kNone, kNone},
    {45, "Lìxià", "Lixia", "Start of Summer", "立夏", "立夏", kCrossQuarter, 1},
    {60, "Xiǎomǎn", "Xiaoman", "Grain Buds", "小满", "小滿", kNone, kNone},
    {75, "Mángzhòng", "Mangzhong", "Grain in Ear", "芒种", "芒種", kNone, kNone},
    {90, "Xiàzhì", "Xiazhi", "Summer Solstice", "夏至", "夏至", kQuarter, 1},
    {105, "Xiǎoshǔ", "Xiaoshu", "Minor Heat", "小暑", "小暑", kNone, kNone},
    {120, "Dàshǔ", "Dashu", "Major Heat", "大暑", "大暑", kNone, kNone},
    {135, "Lìqiū", "Liqiu", "Start of Autumn", "立秋", "立秋", kCrossQuarter, 2},
    {150, "Chǔshǔ", "Chushu", "End of Heat", "处暑", "處暑", kNone, kNone},
    {165, "Báilù", "Bailu", "White Dew", "白露", "白露", kNone, kNone},
    {180, "Qiūfēn", "Qiufen", "Autumn Equinox", "秋分", "秋分", kQuarter, 2},
    {195, "Hánlù", "Hanlu", "Cold Dew", "寒露", "寒露", kNone, kNone},
    {210, "Shuāngjiàng", "Shuangjiang", "Frost's Descent", "霜降", "霜降", kNone, kNone},
    {225, "Lìdōng", "Lidong", "Start of Winter", "立冬", "立冬", kCrossQuarter, 3},
    {240, "Xiǎoxuě", "Xiaoxue", "Minor Snow", "小雪", "小雪", kNone, kNone},
    {255, "Dàxuě", "Daxue", "Major Snow", "大雪", "大雪", kNone, kNone},
    {270, "Dōngzhì", "Dongzhi", "Winter Solstice", "冬至", "冬至", kQuarter, 3},
}};

}  // namespace

const std::array<SolarTermName, kSolarTermCount>& SolarTermNames() { return kNames; }

}  // namespace kalvest
