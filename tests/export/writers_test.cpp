#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "export/csv_writer.h"
#include "export/event_list.h"
#include "export/grid_table.h"
#include "export/icalendar_writer.h"
#include "export/json_writer.h"
#include "export/text_writer.h"

namespace kalvest {
namespace {

const std::string kLongSummary =
    "Sommersonnenwende, Mittsommer; \xC3\xA9t\xC3\xA9 \\ solstice d'\xC3\xA9t\xC3\xA9 "
    "\xC3\xA0 l'\xC3\xA9quinoxe \xE2\x80\x94 \xE2\x98\x80\xE2\x98\x80\xE2\x98\x80 "
    "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";

// Three events that touch every case of the writers: plain and quoted
// texts, null, whole and decimal numbers, an event that lasts, a long
// summary with characters of two and three octets, and an event before
// year 1.
EventList SampleList() {
    EventList list;
    list.columns = {"name", "count", "value", "note"};
    ListedEvent first;
    first.fields = {FieldValue::Text("plain"), FieldValue::Integer(3),
                    FieldValue::Fixed(2.5, 3), FieldValue::Null()};
    first.text_line = "first line";
    first.section = 1;
    first.calendar = {"a@x", "Short", "", 2451545.0, std::nullopt};
    ListedEvent second;
    second.fields = {FieldValue::Text("with, comma and \"quote\""), FieldValue::Integer(-7),
                     FieldValue::Rounded(-1521.0 / 60.0, 4), FieldValue::Text("\xC3\xBC")};
    second.text_line = "second";
    second.section = 1;
    second.calendar = {"b;c@x", kLongSummary, "line 1\r\nline 2", 2451545.25, 2451545.3};
    ListedEvent third;
    third.fields = {FieldValue::Text("old"), FieldValue::Integer(0),
                    FieldValue::Fixed(0.0005, 3), FieldValue::Rounded(60.0, 4)};
    third.text_line = "third";
    third.section = 2;
    third.calendar = {"old@x", "Old", "", 1000000.0, std::nullopt};
    list.events = {first, second, third};
    return list;
}

TEST(Writers, CsvQuotesWhatNeedsIt) {
    EXPECT_EQ(CsvText(SampleList()),
              "name,count,value,note\n"
              "plain,3,2.500,\n"
              "\"with, comma and \"\"quote\"\"\",-7,-25.35,\xC3\xBC\n"
              "old,0,0.001,60\n");
    EXPECT_EQ(CsvText({{"a", "b,c"}, {}}), "a,\"b,c\"\n");
}

TEST(Writers, TextLinesSetSectionsApart) {
    EXPECT_EQ(TextLines(SampleList(), "----"), "first line\nsecond\n----\nthird\n");
    EXPECT_EQ(TextLines({}, "----"), "");
}

TEST(Writers, JsonKeepsTypesAndColumnOrder) {
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(JsonText(SampleList()));
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 3u);
    std::vector<std::string> keys;
    for (const auto& item : json[0].items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "count", "value", "note", "iso_utc"}));
    EXPECT_TRUE(json[0]["count"].is_number_integer());
    EXPECT_EQ(json[0]["value"], 2.5);
    EXPECT_TRUE(json[0]["note"].is_null());
    EXPECT_EQ(json[0]["iso_utc"], "2000-01-01T12:00:00Z");
    EXPECT_EQ(json[1]["name"], "with, comma and \"quote\"");
    EXPECT_EQ(json[1]["value"], -25.35);
    EXPECT_EQ(json[1]["iso_utc_end"], "2000-01-01T19:12:00Z");
    EXPECT_TRUE(json[2]["iso_utc"].is_null());  // before year 1
    EXPECT_EQ(nlohmann::json::parse(JsonText({})), nlohmann::json::array());
}

// The physical lines of a text that must end every line in CR LF.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "unterminated last line";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Found by fuzzing the writers: a text that is not UTF-8 made the JSON
// writer throw (nlohmann refuses to write it), ending the program.
TEST(Writers, JsonWritesTextThatIsNotUtf8) {
    EventList list;
    list.columns = {"name", "caf\xE9"};
    ListedEvent event;
    event.fields = {FieldValue::Text("\xA8 Latin-1 \xE9t\xE9"), FieldValue::Integer(1)};
    event.calendar = {"u@x", "s", "", 2451545.0, std::nullopt};
    list.events = {event};
    std::string text;
    ASSERT_NO_THROW(text = JsonText(list));
    const nlohmann::json parsed = nlohmann::json::parse(text);
    EXPECT_EQ(parsed[0]["name"], "\xEF\xBF\xBD Latin-1 \xEF\xBF\xBDt\xEF\xBF\xBD");
    EXPECT_EQ(parsed[0]["caf\xEF\xBF\xBD"], 1);
}

TEST(Writers, ICalendarFoldsEscapesAndLeavesOutWhatItCannotDate) {
    const ICalendarFile file =
        ICalendarText(SampleList(), {"-//Test//Writer//EN", "Test", 2460000.5, std::nullopt});
    EXPECT_EQ(file.left_out, 1u);
    EXPECT_EQ(file.text.find('\n'), file.text.find("\r\n") + 1);

    std::vector<std::string> logical;
    for (const std::string& line : CrLfLines(file.text)) {
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        if (!line.empty() && line[0] == ' ') {
            ASSERT_FALSE(logical.empty());
            // A fold never cuts a character: no continuation octet starts
            // a folded line.
            ASSERT_GT(line.size(), 1u);
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
            logical.back() += line.substr(1);
        } else {
            logical.push_back(line);
        }
    }
    const auto has = [&](const std::string& line) {
        return std::find(logical.begin(), logical.end(), line) != logical.end();
    };
    EXPECT_EQ(logical.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(logical.back(), "END:VCALENDAR");
    EXPECT_TRUE(has("VERSION:2.0"));
    EXPECT_TRUE(has("PRODID:-//Test//Writer//EN"));
    EXPECT_EQ(std::count(logical.begin(), logical.end(), "BEGIN:VEVENT"), 2);
    EXPECT_EQ(std::count(logical.begin(), logical.end(), "DTSTAMP:20230225T000000Z"), 2);
    EXPECT_TRUE(has("DTSTART:20000101T120000Z"));
    EXPECT_TRUE(has("DURATION:PT0S"));
    EXPECT_TRUE(has("DTSTART:20000101T180000Z"));
    EXPECT_TRUE(has("DTEND:20000101T191200Z"));
    EXPECT_TRUE(has("UID:b\\;c@x"));
    EXPECT_TRUE(has("SUMMARY:" + ICalendarEscape(kLongSummary)));
    EXPECT_TRUE(has("DESCRIPTION:line 1\\nline 2"));
    EXPECT_FALSE(has("UID:old@x"));
}

TEST(Writers, ICalendarTextEscapes) {
    EXPECT_EQ(ICalendarEscape("a,b;c\\d\ne"), "a\\,b\\;c\\\\d\\ne");
    EXPECT_EQ(ICalendarFold("SHORT:x"), "SHORT:x\r\n");
    const std::string exact(75, 'x');
    EXPECT_EQ(ICalendarFold(exact), exact + "\r\n");
    EXPECT_EQ(ICalendarFold(exact + "y"), exact + "\r\n y\r\n");
}

// Found by fuzzing the writers: a text that is not UTF-8, or that holds
// control characters, went into the iCalendar file as it was, which makes
// the file invalid (RFC 5545 wants UTF-8, and no control characters in a
// text but tab).
TEST(Writers, ICalendarWritesOnlyUtf8AndNoControlCharacters) {
    EXPECT_EQ(ICalendarEscape("caf\xE9\x01 \x1B[0m\x7F\tend\r\n"),
              "caf\xEF\xBF\xBD [0m\tend\\n");
    EXPECT_EQ(ICalendarEscape("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
}

TEST(Writers, GridTableBoxesTheCells) {
    std::array<std::string, 9> cells = {"A\r\nlong line", "B", "C", "D", "centre",
                                        "F",           "G", "H", "I\r\n2\r\n3"};
    EXPECT_EQ(GridTable(cells),
              "+-----------+--------+---+\n"
              "| A         | B      | C |\n"
              "| long line |        |   |\n"
              "+-----------+--------+---+\n"
              "| D         | centre | F |\n"
              "+-----------+--------+---+\n"
              "| G         | H      | I |\n"
              "|           |        | 2 |\n"
              "|           |        | 3 |\n"
              "+-----------+--------+---+\n");
}

}  // namespace
}  // namespace kalvest
