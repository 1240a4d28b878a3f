// The reminder's spans as kalvest-cli --alarm reads them and as the
// iCalendar trigger writes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "run/reminder.h"

namespace kalvest {
namespace {

TEST(Reminder, ReadsShortAndIsoSpansAndRefusesTheRest) {
    const struct {
        const char* text;
        std::optional<std::int64_t> minutes;
    } cases[] = {
        {"1d", 1440},        {"12h", 720},        {"30m", 30},          {"2D", 2880},
        {"PT30M", 30},       {"P1D", 1440},       {"PT12H", 720},       {"P1DT6H", 1800},
        {"p1dt2h30m", 1590}, {"P2W", 20160},      {"P4W", 40320},       {"PT90S", std::nullopt},
        {"PT120S", 2},       {"P1W1D", 11520},    {"28d", 40320},       {"29d", std::nullopt},
        {"0d", std::nullopt}, {"PT0M", std::nullopt}, {"", std::nullopt}, {"d", std::nullopt},
        {"1", std::nullopt}, {"1x", std::nullopt}, {"-1d", std::nullopt}, {"1d2h", std::nullopt},
        {" 1d", std::nullopt}, {"P", std::nullopt}, {"PT", std::nullopt}, {"P1DT", std::nullopt},
        {"P1H", std::nullopt},  // hours belong after T
        {"PT1D", std::nullopt}, {"P1D1W", std::nullopt}, {"PT1M1H", std::nullopt},
        {"PT1H1H", std::nullopt}, {"99999999999999999999d", std::nullopt},
        {"P99999999999999W", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Reminder> reminder = ParseReminder(c.text);
        if (c.minutes) {
            ASSERT_TRUE(reminder) << c.text;
            EXPECT_EQ(reminder->minutes_before, *c.minutes) << c.text;
        } else {
            EXPECT_FALSE(reminder) << c.text << " read as " << reminder->minutes_before;
        }
    }
}

// Every span up to four weeks: the trigger reads back as the same span,
// days before hours before minutes, and the text names each part.
TEST(Reminder, EveryTriggerReadsBackAsItsSpan) {
    for (std::int64_t minutes = 1; minutes <= kLongestReminderMinutes; minutes += 7) {
        const std::string trigger = ICalendarTrigger({minutes});
        ASSERT_EQ(trigger.substr(0, 2), "-P") << minutes;
        const std::optional<Reminder> back = ParseReminder(trigger.substr(1));
        ASSERT_TRUE(back) << trigger;
        EXPECT_EQ(back->minutes_before, minutes) << trigger;
    }
    EXPECT_EQ(ICalendarTrigger({1440}), "-P1D");
    EXPECT_EQ(ICalendarTrigger({720}), "-PT12H");
    EXPECT_EQ(ICalendarTrigger({30}), "-PT30M");
    EXPECT_EQ(ICalendarTrigger({1590}), "-P1DT2H30M");
    EXPECT_EQ(ReminderText({1440}), "1 day");
    EXPECT_EQ(ReminderText({2 * 1440 + 61}), "2 days 1 hour 1 minute");
    EXPECT_EQ(ReminderText({720}), "12 hours");
}

}  // namespace
}  // namespace kalvest
