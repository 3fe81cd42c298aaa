#include "app/settings_flags.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/main_form.h"
#include "forms/options_setup_form.h"

namespace orvanta {
namespace {

const forms::ComponentDescription* FindComponent(const forms::FormDescription& form, std::string_view name) {
    for (const auto& component : form.components) {
        if (component.name == name) {
            return &component;
        }
    }
    return nullptr;
}

const forms::MenuItemDescription* FindMenuEntry(const std::vector<forms::MenuItemDescription>& items,
                                                std::string_view name) {
    for (const auto& item : items) {
        if (item.name == name) {
            return &item;
        }
        if (const auto* found = FindMenuEntry(item.items, name)) {
            return found;
        }
    }
    return nullptr;
}

// Each row sits at its flag's place, so the table reads and writes every flag once, in the file's
// order, and looking a row up by its flag finds that row.
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

// The glue finds holders by these names at run time; here a misspelt one, or one of the wrong
// kind, fails without a window.
TEST(SettingsFlagFieldsTest, NamesHoldersThatTheFormsHave) {
    const auto& mainForm = forms::MainForm1Description();
    const auto& options = forms::Options_SetupDescription();
    for (const auto& field : kSettingsFlagFields) {
        const std::string_view name = field.holderName;
        const auto* checkBox = FindComponent(options, name);
        const auto* menuEntry = FindMenuEntry(mainForm.mainMenu, name);
        switch (field.holder) {
            case FlagHolder::SettingsCheckBox:
                ASSERT_NE(checkBox, nullptr) << name;
                EXPECT_EQ(checkBox->kind, forms::ComponentKind::CheckBox) << name;
                break;
            case FlagHolder::MenuCheckMark:
                ASSERT_NE(menuEntry, nullptr) << name;
                EXPECT_FALSE(menuEntry->IsSeparator()) << name;
                EXPECT_TRUE(menuEntry->items.empty()) << name << " opens a sub-menu";
                break;
            case FlagHolder::MainFormMember:
                // Nothing shows these flags: a control of that name would be a second holder.
                EXPECT_EQ(checkBox, nullptr) << name;
                EXPECT_EQ(FindComponent(mainForm, name), nullptr) << name;
                EXPECT_EQ(menuEntry, nullptr) << name;
                EXPECT_EQ(FindMenuEntry(mainForm.popupMenu, name), nullptr) << name;
                break;
        }
    }
}

}  // namespace
}  // namespace orvanta
