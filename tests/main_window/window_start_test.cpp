// The window program's own arguments: --moon, --wheel and the zone.
#include "main_window/program_options.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kalvest {
namespace {

TEST(WindowStart, MoonListAndItsZone) {
    WindowStart start = ReadWindowStart({});
    EXPECT_FALSE(start.moon_list);
    EXPECT_FALSE(start.wheel);
    EXPECT_EQ(start.zone, nullptr);
    EXPECT_EQ(start.error, "");

    // Arguments the toolkit left are not ours to judge.
    start = ReadWindowStart({"--moon", "--tz", "Europe/Dublin", "file.txt"});
    EXPECT_TRUE(start.moon_list);
    ASSERT_NE(start.zone, nullptr);
    EXPECT_EQ(start.zone_name, "Europe/Dublin");
    EXPECT_EQ(start.zone->At(2460848.0).abbreviation, "IST");  // 2025 June
    EXPECT_EQ(start.error, "");

    start = ReadWindowStart({"--tz=Asia/Kathmandu", "--wheel"});
    EXPECT_FALSE(start.moon_list);
    EXPECT_TRUE(start.wheel);
    ASSERT_NE(start.zone, nullptr);
    EXPECT_EQ(start.zone->At(2460848.0).offset_seconds, 20700);

    start = ReadWindowStart({"--moon", "--tz", "local"});
    EXPECT_NE(start.zone, nullptr);
    EXPECT_EQ(start.zone_name, "local");

    // Each bad zone gets one line naming --tz.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--moon", "--tz"}, {"--tz", "Mars/Olympus_Mons"}, {"--tz="}, {"--tz", ""}}) {
        start = ReadWindowStart(args);
        EXPECT_NE(start.error.find("--tz"), std::string::npos) << start.error;
        EXPECT_EQ(start.error.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace kalvest
