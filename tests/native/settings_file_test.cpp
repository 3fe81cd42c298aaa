#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "fake_ini_store.h"

namespace orvanta {
namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// Records what reaches the window, in order, into the same log as the store's reads.
class RecordingTarget : public SettingsTarget {
  public:
    explicit RecordingTarget(std::vector<std::string>& log) : log_(log) {}

    void SetWindowTop(int top) override { Log("top", top); }
    void SetWindowLeft(int left) override { Log("left", left); }
    void SetClientWidth(int width) override { Log("width", width); }
    void SetClientHeight(int height) override { Log("height", height); }
    void SetCurrentLocationCaption(const std::string& caption) override { log_.push_back("caption " + caption); }
    void AppendLocation(const std::string& entry) override {
        locations.push_back(entry);
        log_.push_back("location " + entry);
    }
    void SetFlag(SettingsFlag flag, bool set) override {
        flags[static_cast<int>(flag)] = set;
        Log("flag " + std::to_string(static_cast<int>(flag)), set ? 1 : 0);
    }

    std::vector<std::string> locations;
    std::array<bool, kSettingsFlagCount> flags{};

  private:
    void Log(const std::string& what, int value) { log_.push_back(what + " " + std::to_string(value)); }
    std::vector<std::string>& log_;
};

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

TEST(ReadSettingsTest, HandsEachValueOverAsSoonAsItIsReadWithDefaultsForAnEmptyFile) {
    FakeIniStore store;
    std::vector<std::string> log;
    store.LogReadsTo(&log);
    RecordingTarget target(log);

    ReadSettings(store, target);

    const std::vector<std::string> expected = {
        "read window_top_posn", "top 200", "read window_left_posn", "left 200", "read window_ClientWidth", "width 240",
        "read window_ClientHeight", "height 87", "read current_location_caption",
        "caption Here :", "read num_other_locations",
        // The menus flag has always been read with this spelling.
        "read Menus_Off_Checkbox", "flag 0 0", "read Title_Bar_Off_CheckBox", "flag 1 0",
        "read Auto_Window_Height_Sizing_CheckBox", "flag 2 0", "read Auto_Window_Width_Sizing_CheckBox", "flag 3 0",
        "read Show_Dates_and_Times_CheckBox", "flag 4 0", "read Hide_Current_Location_CheckBox", "flag 5 0",
        "read Always_on_Top_Option", "flag 6 0", "read Auto_Run_at_Windows_Startup_Option", "flag 7 0"};
    EXPECT_EQ(log, expected);
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
    std::vector<std::string> log;
    RecordingTarget target(log);

    ReadSettings(store, target);

    EXPECT_EQ(log[0], "top -30");
    EXPECT_EQ(log[1], "left 16");
    EXPECT_EQ(log[2], "width 240");
    EXPECT_EQ(log[3], "height 120");
    EXPECT_EQ(log[4], "caption London :");
    // A missing entry still takes its place in the list.
    EXPECT_EQ(target.locations, (std::vector<std::string>{"Tokyo:9.0", "", "New York:-5.0"}));
    const std::array<bool, kSettingsFlagCount> expectedFlags = {true, true, true, false, false, false, true, false};
    EXPECT_EQ(target.flags, expectedFlags);
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
        std::vector<std::string> log;
        RecordingTarget target(log);

        ReadSettings(store, target);

        ASSERT_EQ(target.locations.size(), expectedEntries) << count;
        if (expectedEntries > 0) {
            EXPECT_EQ(target.locations.back(), "Place " + std::to_string(expectedEntries) + ":1.0");
        }
        // Entry keys beyond the count are not even read.
        const std::string beyond = "other_location_caption_" + std::to_string(expectedEntries + 1);
        EXPECT_EQ(std::count(store.Reads().begin(), store.Reads().end(), beyond), 0) << count;
    }
}

TEST(WriteSettingsTest, FirstRunWritesTheFourteenDefaultKeys) {
    FakeIniStore store;

    EXPECT_TRUE(WriteSettings(store, SettingsSnapshot{}).written);

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

SettingsSnapshot TwoLocationSnapshot() {
    SettingsSnapshot snapshot;
    snapshot.windowTop = -12;
    snapshot.windowLeft = 1500;
    snapshot.clientWidth = 300;
    snapshot.clientHeight = 140;
    snapshot.currentLocationCaption = "Home :";
    snapshot.locations = {"Tokyo:9.0", "Rio Brazil:-3.0"};
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

TEST(SettingsFileTest, UnableToWriteMessageNamesTheFile) {
    EXPECT_EQ(UnableToWriteMessage("C:\\Orvanta\\orvanta.ini"), "Unable to write to C:\\Orvanta\\orvanta.ini");
}

}  // namespace
}  // namespace orvanta
