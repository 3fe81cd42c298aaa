#include "core/settings_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/location_rows.h"

namespace orvanta {
namespace {

struct Heard {
    SettingsChange change;
    SettingsFlag flag;
    bool rowsFollow;
};

// Each edit, the changes it announced (none for an edit that changes nothing), and the list after.
TEST(SettingsModelTest, AnnouncesEachRealChangeOnceAndKeepsTheLimits) {
    struct Case {
        const char* what;
        std::function<void(SettingsModel&)> edit;
        std::vector<SettingsChange> announced;
        std::size_t locationsAfter;
        bool rowsFollow;
    };
    const std::vector<Case> cases = {
        {"a new caption",
         [](SettingsModel& m) { m.SetCurrentLocationCaption("Home :"); },
         {SettingsChange::Caption},
         9,
         true},
        {"the same caption", [](SettingsModel& m) { m.SetCurrentLocationCaption("Here :"); }, {}, 9, false},
        {"an entry added",
         [](SettingsModel& m) { EXPECT_TRUE(m.AddLocation("Tokyo:9.0")); },
         {SettingsChange::Locations},
         10,
         true},
        {"an eleventh entry",
         [](SettingsModel& m) {
             m.AddLocation("A:1.0");
             EXPECT_FALSE(m.AddLocation("B:1.0"));
         },
         {SettingsChange::Locations},
         10,
         true},
        {"an entry removed", [](SettingsModel& m) { m.RemoveLocation(0); }, {SettingsChange::Locations}, 8, true},
        {"no such entry", [](SettingsModel& m) { m.RemoveLocation(9); }, {}, 9, false},
        {"dates shown",
         [](SettingsModel& m) { m.SetFlag(SettingsFlag::ShowDatesAndTimes, true); },
         {SettingsChange::Flag},
         9,
         true},
        {"on top",
         [](SettingsModel& m) { m.SetFlag(SettingsFlag::AlwaysOnTop, true); },
         {SettingsChange::Flag},
         9,
         false},
        {"a flag as it was", [](SettingsModel& m) { m.SetFlag(SettingsFlag::MenusOff, false); }, {}, 9, false},
        {"the geometry",
         [](SettingsModel& m) { m.SetWindowGeometry(1, 2, 3, 4); },
         {SettingsChange::WindowGeometry},
         9,
         false},
        {"twelve read",
         [](SettingsModel& m) { m.Replace(Settings{.locations = std::vector<std::string>(12, "X:1")}); },
         {SettingsChange::Everything},
         10,
         true},
    };
    for (const auto& c : cases) {
        SettingsModel model(Settings{.locations = std::vector<std::string>(9, "Place:1.0")});
        std::vector<Heard> heard;
        SettingsSubscription listening(model, [&](SettingsChange change, SettingsFlag flag) {
            heard.push_back({change, flag, RowsFollow(change, flag)});
        });
        c.edit(model);
        std::vector<SettingsChange> announced;
        bool rowsFollow = false;
        for (const auto& h : heard) {
            announced.push_back(h.change);
            rowsFollow = rowsFollow || h.rowsFollow;
        }
        EXPECT_EQ(announced, c.announced) << c.what;
        EXPECT_EQ(model.Locations().size(), c.locationsAfter) << c.what;
        EXPECT_EQ(rowsFollow, c.rowsFollow) << c.what;
    }
}

TEST(SettingsModelTest, AViewThatLeftHearsNothingMore) {
    SettingsModel model;
    int heard = 0;
    {
        SettingsSubscription listening(model, [&](SettingsChange, SettingsFlag) { ++heard; });
        model.SetSettingsPage(2);
    }
    model.SetSettingsPage(1);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(model.Get().settingsPage, 1);
}

TEST(SettingsModelTest, KeepsEachPlacesZoneWithItsEntry) {
    SettingsModel model(Settings{.locations = {"A:1", "B:2"}, .zones = {"Zone A"}});
    EXPECT_EQ(model.Zones(), (std::vector<std::string>{"Zone A", ""}));
    model.AddLocation("C:3", "Zone C");
    model.RemoveLocation(0);
    EXPECT_EQ(model.Zones(), (std::vector<std::string>{"", "Zone C"}));
}

}  // namespace
}  // namespace orvanta
