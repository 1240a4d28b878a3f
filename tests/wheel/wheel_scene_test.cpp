// The wheel's scene and the core's SVG writer: the document is well-formed
// XML holding every name and date text of the layout, for years far apart,
// both hemispheres and both calendars; every text stays on the canvas;
// texts that are no XML (markup, control characters, broken UTF-8) still
// give a sound document; and the font table measures what it holds.
// (The browser walk keeps the page's SVG of 2025 to be looked at.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "datetime/zone_database.h"
#include "run/zone_list.h"
#include "solar/solar_events.h"
#include "wheel/wheel_layout.h"
#include "wheel/wheel_scene.h"
#include "wheel/wheel_scene_font.h"
#include "wheel/wheel_scene_svg.h"

namespace kalvest {
namespace {

// Reads a document as a strict XML parser would for what the writer
// writes (a declaration, elements with quoted attributes, character data
// with the five predefined entities, no comments or CDATA), and collects
// the content of each <text> element. `error` says what is wrong.
struct SvgReading {
    std::string error;
    std::string root;
    std::string root_namespace;
    std::vector<std::string> texts;
};

bool Decode(const std::string& raw, std::string& out) {
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto byte = static_cast<unsigned char>(raw[i]);
        if (raw[i] == '<' || (byte < 0x20 && raw[i] != '\n' && raw[i] != '\t')) return false;
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const std::size_t end = raw.find(';', i);
        if (end == std::string::npos) return false;
        const std::string name = raw.substr(i + 1, end - i - 1);
        static const std::pair<const char*, char> kEntities[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& [entity, character] : kEntities) {
            if (name == entity) {
                out += character;
                known = true;
            }
        }
        if (!known) return false;
        i = end;
    }
    return true;
}

SvgReading Fail(std::string why) {
    SvgReading reading;
    reading.error = std::move(why);
    return reading;
}

SvgReading ReadSvg(const std::string& xml) {
    SvgReading reading;
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (xml.rfind(declaration, 0) != 0) return Fail("no XML declaration");
    std::vector<std::string> open;
    std::size_t at = declaration.size();
    int roots = 0;
    while (at < xml.size()) {
        const std::size_t tag = xml.find('<', at);
        std::string text;
        if (!Decode(xml.substr(at, tag - at), text)) {
            return Fail("bad character data at " + std::to_string(at));
        }
        if (!open.empty() && open.back() == "text") reading.texts.back() += text;
        if (open.empty() && text.find_first_not_of("\n") != std::string::npos) {
            return Fail("text outside the root");
        }
        if (tag == std::string::npos) break;
        const std::size_t close = xml.find('>', tag);
        if (close == std::string::npos) return Fail("unclosed tag");
        std::string body = xml.substr(tag + 1, close - tag - 1);
        at = close + 1;
        if (body[0] == '/') {
            if (open.empty() || open.back() != body.substr(1)) {
                return Fail("mismatched </" + body.substr(1) + ">");
            }
            open.pop_back();
            continue;
        }
        const bool empty = body.back() == '/';
        if (empty) body.pop_back();
        const std::size_t name_end = body.find(' ');
        const std::string name = body.substr(0, name_end);
        if (name.empty() || name.find_first_of("\"'=&") != std::string::npos) {
            return Fail("bad tag " + body);
        }
        // Attributes: name="value", each once, values without < or raw &.
        std::vector<std::string> seen;
        for (std::size_t i = name_end; i != std::string::npos && i < body.size();) {
            const std::size_t equals = body.find("=\"", i);
            if (equals == std::string::npos) {
                if (body.find_first_not_of(' ', i) != std::string::npos) {
                    return Fail("stray text in " + name);
                }
                break;
            }
            const std::string attribute = body.substr(i + 1, equals - i - 1);
            if (attribute.empty() || attribute.find_first_of(" \"<>") != std::string::npos) {
                return Fail("bad attribute in " + name);
            }
            for (const std::string& other : seen) {
                if (other == attribute) return Fail("attribute " + attribute + " twice in " + name);
            }
            seen.push_back(attribute);
            const std::size_t value_end = body.find('"', equals + 2);
            if (value_end == std::string::npos) return Fail("unquoted value in " + name);
            std::string value;
            if (!Decode(body.substr(equals + 2, value_end - equals - 2), value)) {
                return Fail("bad value in " + name);
            }
            if (open.empty() && attribute == "xmlns") reading.root_namespace = value;
            i = value_end + 1;
            if (i < body.size() && body[i] != ' ') {
                return Fail("attributes run together in " + name);
            }
        }
        if (open.empty()) {
            if (++roots > 1) return Fail("a second root element");
            reading.root = name;
        }
        if (name == "text") reading.texts.emplace_back();
        if (!empty) open.push_back(name);
    }
    if (!open.empty()) return Fail("<" + open.back() + "> is never closed");
    if (roots != 1) return Fail("no root element");
    return reading;
}

// Every text the layout holds, as the picture must show it.
std::vector<std::string> LayoutTexts(const WheelLayout& layout) {
    std::vector<std::string> texts = {layout.title, layout.subtitle, layout.year_text,
                                      layout.footnote};
    for (const WheelQuarter& quarter : layout.quarters) {
        texts.insert(texts.end(), {quarter.name, quarter.time_text});
    }
    for (const WheelCrossQuarter& day : layout.cross_quarters) {
        texts.insert(texts.end(), {day.name, day.true_text, day.mean_text, day.gap_text});
    }
    for (const WheelMonth& month : layout.months) texts.push_back(month.name);
    for (const WheelMoon& moon : layout.moons) texts.push_back(moon.label);
    for (const WheelTerm& term : layout.terms) texts.push_back(term.name);
    for (const WheelLegendEntry& entry : layout.legend) texts.push_back(entry.text);
    texts.insert(texts.end(), layout.eclipse_lines.begin(), layout.eclipse_lines.end());
    return texts;
}

WheelLayout Layout(std::int32_t year, std::int16_t calendar, bool southern, bool moon, bool terms,
                   const TimeZone& zone, const std::string& zone_name) {
    WheelRequest request;
    request.year = year;
    request.calendar_code = calendar;
    request.southern = southern;
    request.moon = moon;
    request.terms = terms;
    request.zone_name = zone_name;
    return MakeWheelLayout(request, zone);
}

class WheelSceneTest : public testing::Test {
protected:
    static void SetUpTestSuite() { InitPeriodicTerms(); }
};

TEST_F(WheelSceneTest, SvgIsWellFormedAndHoldsEveryTextOfTheLayout) {
    const std::unique_ptr<TimeZone> dublin = NamedTimeZone("Europe/Dublin");
    const std::unique_ptr<TimeZone> kathmandu = NamedTimeZone("Asia/Kathmandu");
    const FixedOffsetZone india = FixedWindowZone(330);
    const FixedOffsetZone gmt = FixedWindowZone(0);
    const struct {
        std::int32_t year;
        std::int16_t calendar;
        bool southern;
        bool moon;
        bool terms;
        const TimeZone* zone;
        const char* zone_name;
    } cases[] = {
        {2025, kCalendarGregorian, false, true, true, dublin.get(), "Europe/Dublin"},
        {2025, kCalendarJulian, true, true, true, &india, "GMT+05:30"},
        {-3000, kCalendarJulian, true, true, false, &gmt, "GMT"},
        {3000, kCalendarGregorian, false, false, true, kathmandu.get(), "Asia/Kathmandu"},
        {1, kCalendarGregorian, false, false, false, &gmt, "GMT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " " + c.zone_name);
        const WheelLayout layout =
            Layout(c.year, c.calendar, c.southern, c.moon, c.terms, *c.zone, c.zone_name);
        const std::string svg = WheelSceneSvg(MakeWheelScene(layout, WheelFontTableMeasure()));
        const SvgReading reading = ReadSvg(svg);
        ASSERT_EQ(reading.error, "");
        EXPECT_EQ(reading.root, "svg");
        EXPECT_EQ(reading.root_namespace, "http://www.w3.org/2000/svg");
        for (const std::string& expected : LayoutTexts(layout)) {
            EXPECT_NE(std::find(reading.texts.begin(), reading.texts.end(), expected),
                      reading.texts.end())
                << expected;
        }
        EXPECT_EQ(svg.find("nan"), std::string::npos);
        EXPECT_EQ(svg.find("inf"), std::string::npos);
    }
}

// Over six thousand years and zones far east and west, in both
// hemispheres: every unturned text stands at a finite place and, by the
// font table's widths, lies on the canvas.
TEST_F(WheelSceneTest, EveryTextOfEveryYearStaysOnTheCanvas) {
    const FixedOffsetZone west = FixedWindowZone(-720);
    const FixedOffsetZone east = FixedWindowZone(720);
    const std::unique_ptr<TimeZone> st_johns = NamedTimeZone("America/St_Johns");
    const TimeZone* zones[] = {&west, &east, st_johns.get()};
    const TextMeasure& measure = WheelFontTableMeasure();
    int checked = 0;
    for (std::int32_t year = -3000; year <= 3000; year += 97) {
        const bool southern = year % 2 != 0;
        const TimeZone& zone = *zones[(year + 3000) / 97 % 3];
        const WheelScene scene =
            MakeWheelScene(Layout(year, year % 3 == 0 ? kCalendarJulian : kCalendarGregorian,
                                  southern, true, true, zone, "America/St_Johns"),
                           measure);
        for (const SceneItem& item : scene.items) {
            const SceneText* text = std::get_if<SceneText>(&item);
            if (text == nullptr || text->frame.degrees != 0) continue;
            const double width = measure.Width(text->text, text->font);
            const double left = text->at.x - width * (text->anchor == SceneAnchor::kStart    ? 0.0
                                                      : text->anchor == SceneAnchor::kMiddle ? 0.5
                                                                                             : 1.0);
            ASSERT_TRUE(std::isfinite(left) && std::isfinite(text->at.y))
                << year << " " << text->text;
            EXPECT_GE(left, 0.0) << year << " " << text->text;
            EXPECT_LE(left + width, kWheelCanvasWidth) << year << " " << text->text;
            EXPECT_GE(text->at.y - measure.Ascent(text->font), 0.0) << year << " " << text->text;
            EXPECT_LE(text->at.y + measure.Descent(text->font), kWheelCanvasHeight)
                << year << " " << text->text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 62 * 60);
}

// A zone name is the user's text: markup, a control character and bytes
// that are no UTF-8 still give a document an XML parser reads, with the
// name's characters as they were and U+FFFD for the broken byte.
TEST_F(WheelSceneTest, TextsThatAreNoXmlStillGiveAWellFormedDocument) {
    const FixedOffsetZone gmt = FixedWindowZone(0);
    const WheelLayout layout =
        Layout(2024, kCalendarGregorian, false, false, false, gmt, "<b>A&B</b> \"q\"\x01 \xff!");
    const SvgReading reading =
        ReadSvg(WheelSceneSvg(MakeWheelScene(layout, WheelFontTableMeasure())));
    ASSERT_EQ(reading.error, "");
    const std::string expected =
        "Gregorian calendar, <b>A&B</b> \"q\" \xEF\xBF\xBD!, Northern Hemisphere";
    EXPECT_NE(std::find(reading.texts.begin(), reading.texts.end(), expected), reading.texts.end());
}

// The table holds the font's advances: "n" in DejaVu Sans is 1298 units
// of 2048, bold 1458; a Latin-1 character is one character, not two
// bytes; a character beyond the table counts as "n".
TEST(WheelFontTable, MeasuresByTheFontsAdvancesAndCountsCharactersNotBytes) {
    const TextMeasure& measure = WheelFontTableMeasure();
    const SceneFont regular{20.48};
    EXPECT_DOUBLE_EQ(measure.Width("n", regular), 12.98);
    EXPECT_DOUBLE_EQ(measure.Width("n", {20.48, true}), 14.58);
    EXPECT_DOUBLE_EQ(measure.Width("n", {20.48, false, true}), 12.98);
    EXPECT_DOUBLE_EQ(measure.Ascent(regular), 19.01);
    EXPECT_DOUBLE_EQ(measure.Descent(regular), 4.83);
    EXPECT_DOUBLE_EQ(measure.Width("\xC2\xB0", regular), 10.24);            // the degree sign, 1024
    EXPECT_DOUBLE_EQ(measure.Width("\xC3\xA9", {20.48, true}), 13.89);      // e acute in bold, 1389
    EXPECT_DOUBLE_EQ(measure.Width("n\xE2\x86\x92n", regular), 3 * 12.98);  // n, an arrow, n
    EXPECT_DOUBLE_EQ(measure.Width("", regular), 0.0);
}

}  // namespace
}  // namespace kalvest
