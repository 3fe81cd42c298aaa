#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fake_ini_store.h"

namespace orvanta {
namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

std::vector<std::string> Entries(const Settings& settings) {
    std::vector<std::string> entries;
    for (const Place& place : settings.places) {
        entries.push_back(place.Entry());
    }
    return entries;
}

TEST(SettingsFilePathTest, PutsTheFileBesideTheExecutable) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\Program Files\\Orvanta\\orvanta.exe", "C:\\Program Files\\Orvanta\\orvanta.ini"},
        {"C:\\orvanta.exe", "C:\\orvanta.ini"},
        {"C:/tools\\clock/orvanta.exe", "C:/tools\\clock/orvanta.ini"},
        {"\\\\server\\share\\orvanta.exe", "\\\\server\\share\\orvanta.ini"},
        {"orvanta.exe", "orvanta.ini"},
        {"", "orvanta.ini"},
    };
    for (const auto& [exePath, expected] : cases) {
        EXPECT_EQ(SettingsFilePath(exePath), expected) << exePath;
    }
}

TEST(ParseIniIntegerTest, ReadsDecimalAndThirtyTwoBitHexadecimal) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"12", 12},
        {"-5", -5},
        {"  87  ", 87},
        {"007", 7},
        {"0", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"0xC8", 200},
        {"0Xc8", 200},
        {" 0x1 ", 1},
        {"0x000000001", 1},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT_MIN},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseIniInteger(text, 42), expected) << '"' << text << '"';
    }
}

TEST(ParseIniIntegerTest, GivesTheDefaultForAnythingElse) {
    const std::vector<std::string> texts = {"",     "   ",  "12abc", "abc",        "1 2",         "+5",
                                            "-",    "--5",  "\t5",   "2147483648", "-2147483649", "0x",
                                            "0xZZ", "0x1g", "0x-1",  "-0x5",       "0x100000000"};
    for (const auto& text : texts) {
        EXPECT_EQ(ParseIniInteger(text, 42), 42) << '"' << text << '"';
        EXPECT_EQ(ParseIniInteger(text, -7), -7) << '"' << text << '"';
    }
}

TEST(ReadSettingsTest, ReadsEveryKeyInOrderAndAnEmptyFileAsTheFactorySettings) {
    FakeIniStore store;
    std::vector<std::string> log;
    store.LogReadsTo(&log);

    const Settings read = ReadSettings(store);

    const std::vector<std::string> expected = {
        "read window_top_posn", "read window_left_posn", "read window_ClientWidth", "read window_ClientHeight",
        "read current_location_caption", "read num_other_locations",
        // The menus flag has always been read with this spelling.
        "read Menus_Off_Checkbox", "read Title_Bar_Off_CheckBox", "read Auto_Window_Height_Sizing_CheckBox",
        "read Auto_Window_Width_Sizing_CheckBox", "read Show_Dates_and_Times_CheckBox",
        "read Hide_Current_Location_CheckBox", "read Always_on_Top_Option", "read Auto_Run_at_Windows_Startup_Option",
        "read planner_work_start", "read planner_work_end"};
    EXPECT_EQ(log, expected);
    const Settings factory;
    EXPECT_EQ(std::tie(read.windowTop, read.windowLeft, read.clientWidth, read.clientHeight),
              std::tie(factory.windowTop, factory.windowLeft, factory.clientWidth, factory.clientHeight));
    EXPECT_EQ(read.currentLocationCaption, "Here :");
    EXPECT_TRUE(read.places.empty());
    EXPECT_EQ(read.flags, factory.flags);
}

TEST(ReadSettingsTest, ReadsStoredValuesEntriesAndFlags) {
    FakeIniStore store;
    store.Set("window_top_posn", "-30");
    store.Set("window_left_posn", "0x10");
    store.Set("window_ClientWidth", "wide");
    store.Set("window_ClientHeight", " 120 ");
    store.Set("current_location_caption", "London :");
    store.Set("num_other_locations", "3");
    store.Set("other_location_caption_1", "Tokyo:9.0");
    store.Set("other_location_caption_3", "New York:-5.0");
    store.Set("other_location_caption_4", "Left over:1.0");
    store.Set("Menus_Off_CheckBox", "1");  // as written; the read spelling differs only in case
    store.Set("Title_Bar_Off_CheckBox", "2");
    store.Set("Auto_Window_Height_Sizing_CheckBox", "0x1");
    store.Set("Auto_Window_Width_Sizing_CheckBox", "abc");
    store.Set("Show_Dates_and_Times_CheckBox", "0");
    store.Set("Always_on_Top_Option", "-1");

    const Settings read = ReadSettings(store);

    EXPECT_EQ(std::tie(read.windowTop, read.windowLeft, read.clientWidth, read.clientHeight),
              std::make_tuple(-30, 16, 240, 120));
    EXPECT_EQ(read.currentLocationCaption, "London :");
    // A missing entry still takes its place in the list.
    EXPECT_EQ(Entries(read), (std::vector<std::string>{"Tokyo:9.0", "", "New York:-5.0"}));
    const std::array<bool, kSettingsFlagCount> expectedFlags = {true, true, true, false, false, false, true, false};
    EXPECT_EQ(read.flags, expectedFlags);
}

TEST(ReadSettingsTest, ReadsNoMoreThanTenEntriesAndNoneForACountBelowOne) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"25", 10}, {"10", 10}, {"1", 1}, {"0", 0}, {"-5", 0}, {"many", 0},
    };
    for (const auto& [count, expectedEntries] : cases) {
        FakeIniStore store;
        store.Set("num_other_locations", count);
        for (int number = 1; number <= 25; ++number) {
            store.Set("other_location_caption_" + std::to_string(number), "Place " + std::to_string(number) + ":1.0");
        }
        const Settings read = ReadSettings(store);

        ASSERT_EQ(read.places.size(), expectedEntries) << count;
        if (expectedEntries > 0) {
            EXPECT_EQ(read.places.back().Entry(), "Place " + std::to_string(expectedEntries) + ":1.0");
        }
        // Entry keys beyond the count are not even read.
        const std::string beyond = "other_location_caption_" + std::to_string(expectedEntries + 1);
        EXPECT_EQ(std::count(store.Reads().begin(), store.Reads().end(), beyond), 0) << count;
    }
}

TEST(WriteSettingsTest, FirstRunWritesTheFourteenDefaultKeys) {
    FakeIniStore store;

    EXPECT_TRUE(WriteSettings(store, Settings{}).written);

    const KeyValues expected = {{"window_top_posn", "200"},
                                {"window_left_posn", "200"},
                                {"window_ClientWidth", "240"},
                                {"window_ClientHeight", "87"},
                                {"current_location_caption", "Here :"},
                                {"num_other_locations", "0"},
                                {"Menus_Off_CheckBox", "0"},
                                {"Title_Bar_Off_CheckBox", "0"},
                                {"Auto_Window_Height_Sizing_CheckBox", "0"},
                                {"Auto_Window_Width_Sizing_CheckBox", "0"},
                                {"Show_Dates_and_Times_CheckBox", "0"},
                                {"Hide_Current_Location_CheckBox", "0"},
                                {"Always_on_Top_Option", "0"},
                                {"Auto_Run_at_Windows_Startup_Option", "0"}};
    EXPECT_EQ(store.Writes(), expected);
}

Settings TwoLocationSnapshot() {
    Settings snapshot;
    snapshot.windowTop = -12;
    snapshot.windowLeft = 1500;
    snapshot.clientWidth = 300;
    snapshot.clientHeight = 140;
    snapshot.currentLocationCaption = "Home :";
    snapshot.places = {Place::FromEntry("Tokyo:9.0"), Place::FromEntry("Rio Brazil:-3.0")};
    snapshot.flags = {true, false, false, true, true, false, false, true};
    return snapshot;
}

TEST(WriteSettingsTest, WritesEntriesNumberedFromOneAndFlagsAsOneOrZero) {
    FakeIniStore store;

    EXPECT_TRUE(WriteSettings(store, TwoLocationSnapshot()).written);

    const KeyValues expected = {{"window_top_posn", "-12"},
                                {"window_left_posn", "1500"},
                                {"window_ClientWidth", "300"},
                                {"window_ClientHeight", "140"},
                                {"current_location_caption", "Home :"},
                                {"num_other_locations", "2"},
                                {"other_location_caption_1", "Tokyo:9.0"},
                                {"other_location_caption_2", "Rio Brazil:-3.0"},
                                {"Menus_Off_CheckBox", "1"},
                                {"Title_Bar_Off_CheckBox", "0"},
                                {"Auto_Window_Height_Sizing_CheckBox", "0"},
                                {"Auto_Window_Width_Sizing_CheckBox", "1"},
                                {"Show_Dates_and_Times_CheckBox", "1"},
                                {"Hide_Current_Location_CheckBox", "0"},
                                {"Always_on_Top_Option", "0"},
                                {"Auto_Run_at_Windows_Startup_Option", "1"}};
    EXPECT_EQ(store.Writes(), expected);
}

TEST(WriteSettingsTest, StopsAtWhicheverWriteFails) {
    FakeIniStore reference;
    WriteSettings(reference, TwoLocationSnapshot());
    const KeyValues allWrites = reference.Writes();

    for (std::size_t failing = 0; failing < allWrites.size(); ++failing) {
        const std::string& key = allWrites[failing].first;
        FakeIniStore store;
        store.FailWriteOf(key);

        const SettingsWriteResult result = WriteSettings(store, TwoLocationSnapshot());

        EXPECT_FALSE(result.written) << key;
        EXPECT_EQ(result.failedKey, key);
        // Everything up to the failed write was attempted, nothing after it.
        EXPECT_EQ(store.Writes(), KeyValues(allWrites.begin(), allWrites.begin() + failing + 1)) << key;
    }
}

TEST(WriteSettingsTest, LeavesEntriesBeyondAShorterListInTheFile) {
    FakeIniStore store;
    for (int number = 1; number <= 4; ++number) {
        store.Set("other_location_caption_" + std::to_string(number), "Old " + std::to_string(number) + ":0.0");
    }

    ASSERT_TRUE(WriteSettings(store, TwoLocationSnapshot()).written);

    EXPECT_EQ(store.Get("other_location_caption_2"), "Rio Brazil:-3.0");
    EXPECT_EQ(store.Get("other_location_caption_3"), "Old 3:0.0");
    EXPECT_EQ(store.Get("other_location_caption_4"), "Old 4:0.0");
}

// Zone keys come only with places that follow a zone, and a save removes every other one, so a
// stale zone never attaches itself to a place added later; a zone this system lacks is kept.
TEST(WriteSettingsTest, KeepsZoneKeysForZonePlacesOnly) {
    FakeIniStore store;
    for (int number = 1; number <= 4; ++number) {
        store.Set("other_location_zone_" + std::to_string(number), "Stale Time");
    }
    const Settings settings{.places = {Place::FromEntry("Tokyo:9.0", "Tokyo Standard Time"),
                                       Place::FromEntry("Rio:-3.0"),
                                       Place::FromEntry("Mars:2.0", "Mars Standard Time")}};

    ASSERT_TRUE(WriteSettings(store, settings).written);
    EXPECT_EQ(store.Get("other_location_zone_1"), "Tokyo Standard Time");
    EXPECT_EQ(store.Get("other_location_zone_2"), std::nullopt);
    EXPECT_EQ(store.Get("other_location_zone_3"), "Mars Standard Time");
    EXPECT_EQ(store.Get("other_location_zone_4"), std::nullopt);

    store.Set("other_location_zone_2", "Bad\\Name");
    const Settings read = ReadSettings(store);
    EXPECT_EQ(read.places, settings.places);
}

// Hand-edited working hours that make no working day give the defaults; only hours of one's own are
// written, and a save of the defaults removes the keys.
TEST(SettingsFileTest, KeepsWorkingHoursOfOnesOwnOnly) {
    const WorkingHours standard;
    const struct {
        const char *start, *end;
        WorkingHours read;
    } cases[] = {
        {nullptr, nullptr, standard}, {"08:00", "16:30", {480, 990}}, {" 7:30 ", "24:00", {450, 1440}},
        {"08:00", nullptr, standard}, {"17:00", "09:00", standard},   {"09:00", "09:00", standard},
        {"09:15", "17:00", standard}, {"24:30", "25:00", standard},   {"9:0", "17:00", standard},
        {"-1:00", "17:00", standard}, {"09:60", "17:00", standard},   {"abc", "17:00", standard},
    };
    for (const auto& c : cases) {
        FakeIniStore store;
        for (const auto& [key, text] : {std::pair{"planner_work_start", c.start}, {"planner_work_end", c.end}}) {
            if (text != nullptr) {
                store.Set(key, text);
            }
        }
        const Settings read = ReadSettings(store);
        EXPECT_EQ(read.workingHours, c.read) << (c.start ? c.start : "-") << " " << (c.end ? c.end : "-");
        ASSERT_TRUE(WriteSettings(store, read).written);
        const bool own = c.read != standard;
        EXPECT_EQ(store.Get("planner_work_start"),
                  own ? std::optional(WorkingTimeText(c.read.startMinutes)) : std::nullopt);
        EXPECT_EQ(store.Get("planner_work_end"),
                  own ? std::optional(WorkingTimeText(c.read.endMinutes)) : std::nullopt);
    }
}

TEST(SettingsFileTest, UnableToWriteMessageNamesTheFile) {
    EXPECT_EQ(UnableToWriteMessage("C:\\Orvanta\\orvanta.ini"), "Unable to write to C:\\Orvanta\\orvanta.ini");
}

}  // namespace
}  // namespace orvanta
