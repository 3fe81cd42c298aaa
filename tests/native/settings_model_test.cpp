#include "core/settings_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/location_rows.h"

namespace orvanta {
namespace {

using Change = SettingsChange;
using Edit = std::function<void(SettingsModel&)>;

// Each edit, the changes it announced (none for an edit that changes nothing), and the list after.
TEST(SettingsModelTest, AnnouncesEachRealChangeOnceAndKeepsTheLimits) {
    const auto flag = [](SettingsFlag f, bool on) -> Edit { return [=](SettingsModel& m) { m.SetFlag(f, on); }; };
    const std::vector<Place> twelve(12, Place::FromEntry("X:1"));
    const auto hours = [](int start, int end) -> Edit {
        return [=](SettingsModel& m) { m.SetWorkingHours({start, end}); };
    };
    // The tenth goes in, the eleventh not.
    const Edit addTwo = [](SettingsModel& m) { EXPECT_FALSE(m.AddPlace(Place::FromEntry("A:1.0")) && m.AddPlace(Place::FromEntry("B:1.0"))); };
    const struct {
        const char* what;
        Edit edit;
        std::vector<Change> announced;
        std::size_t locationsAfter;
        bool rowsFollow;
    } cases[] = {
        {"a new caption", [](auto& m) { m.SetCurrentLocationCaption("Home :"); }, {Change::Caption}, 9, true},
        {"the same caption", [](auto& m) { m.SetCurrentLocationCaption("Here :"); }, {}, 9, false},
        {"an entry added", [](auto& m) { EXPECT_TRUE(m.AddPlace(Place::FromEntry("Tokyo:9.0"))); }, {Change::Places}, 10, true},
        {"an eleventh entry", addTwo, {Change::Places}, 10, true},
        {"an entry removed", [](auto& m) { m.RemovePlace(0); }, {Change::Places}, 8, true},
        {"no such entry", [](auto& m) { m.RemovePlace(9); }, {}, 9, false},
        {"dates shown", flag(SettingsFlag::ShowDatesAndTimes, true), {Change::Flag}, 9, true},
        {"on top", flag(SettingsFlag::AlwaysOnTop, true), {Change::Flag}, 9, false},
        {"a flag as it was", flag(SettingsFlag::MenusOff, false), {}, 9, false},
        {"the geometry", [](auto& m) { m.SetWindowGeometry(1, 2, 3, 4); }, {Change::WindowGeometry}, 9, false},
        {"twelve read", [&](auto& m) { m.Replace({.places = twelve}); }, {Change::Everything}, 10, true},
        {"working hours", hours(480, 960), {Change::WorkingHours}, 9, false},
        {"reversed working hours", hours(960, 480), {}, 9, false},
    };
    for (const auto& c : cases) {
        SettingsModel model(Settings{.places = std::vector<Place>(9, Place::FromEntry("Place:1.0"))});
        std::vector<Change> announced;
        bool rowsFollow = false;
        SettingsSubscription listening(model, [&](Change change, SettingsFlag changed) {
            announced.push_back(change);
            rowsFollow = rowsFollow || RowsFollow(change, changed);
        });
        c.edit(model);
        EXPECT_EQ(announced, c.announced) << c.what;
        EXPECT_EQ(model.Places().size(), c.locationsAfter) << c.what;
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

}  // namespace
}  // namespace orvanta
