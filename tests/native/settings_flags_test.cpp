#include "core/settings_flags.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/main_form.h"
#include "forms/options_setup_form.h"

namespace orvanta {
namespace {

// The entry of that name in the menus or their sub-menus; nullptr where there is none.
const forms::MenuItemDescription* FindMenuEntry(const std::vector<forms::MenuItemDescription>& items,
                                                std::string_view name) {
    for (const auto& item : items) {
        const auto* found = item.name == name ? &item : FindMenuEntry(item.items, name);
        if (found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

// Each row sits at its flag's place, so every flag is read and written once, in the file's order.
TEST(SettingsFlagFieldsTest, HoldsEveryFlagOnceInTheFilesOrder) {
    std::set<std::string> keys;
    std::set<std::string> holders;
    for (int index = 0; index < kSettingsFlagCount; ++index) {
        const SettingsFlagField& field = kSettingsFlagFields[static_cast<std::size_t>(index)];
        EXPECT_EQ(static_cast<int>(field.flag), index) << field.key;
        EXPECT_TRUE(keys.insert(field.key).second) << field.key << " is written twice";
        EXPECT_TRUE(holders.insert(field.holderName).second) << field.holderName << " holds two flags";
    }
}

// The glue finds holders by name at run time; a misspelt one, or one of the wrong kind, fails here.
TEST(SettingsFlagFieldsTest, NamesHoldersThatTheFormsHave) {
    const auto& options = forms::Options_SetupDescription();
    for (const auto& field : kSettingsFlagFields) {
        const int checkBoxId = forms::ControlIdOf(options, field.holderName);
        const auto* menuEntry = FindMenuEntry(forms::MainForm1Description().mainMenu, field.holderName);
        if (field.holder == FlagHolder::SettingsCheckBox) {
            ASSERT_GE(checkBoxId, forms::kFirstControlId) << field.holderName;
            EXPECT_EQ(options.components[static_cast<std::size_t>(checkBoxId - forms::kFirstControlId)].kind,
                      forms::ComponentKind::CheckBox)
                << field.holderName;
        } else if (field.holder == FlagHolder::MenuCheckMark) {
            ASSERT_NE(menuEntry, nullptr) << field.holderName;
            EXPECT_TRUE(menuEntry->items.empty() && !menuEntry->IsSeparator()) << field.holderName;
        } else {
            // Nothing shows these flags: a control of that name would be a second holder.
            EXPECT_EQ(checkBoxId, -1) << field.holderName;
            EXPECT_EQ(menuEntry, nullptr) << field.holderName;
        }
    }
}

}  // namespace
}  // namespace orvanta
