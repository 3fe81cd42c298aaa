#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "forms/about_forms.h"
#include "forms/main_form.h"
#include "forms/options_setup_form.h"
#include "forms/planner_form.h"
#include "forms/time_table_form.h"

namespace orvanta::forms {
namespace {

const std::vector<const FormDescription*>& AllForms() {
    static const std::vector<const FormDescription*> forms{&MainForm1Description(), &Options_SetupDescription(),
                                                           &AboutBoxDescription(), &HelpBoxDescription(),
                                                           &Time_TableDescription(), &PlannerDescription()};
    return forms;
}

void CollectMenuNames(std::span<const MenuItemDescription> items, std::vector<std::string_view>& names) {
    for (const auto& item : items) {
        names.push_back(item.name);
        CollectMenuNames(item.items, names);
    }
}

// Every stock OK button shows its check mark beside the caption.
TEST(FormDescriptionsTest, EveryOkButtonCarriesTheGlyph) {
    int okButtons = 0;
    for (const FormDescription* form : AllForms()) {
        for (const auto& component : form->components) {
            if (component.kind == ComponentKind::Button && component.caption == "OK") {
                ++okButtons;
                EXPECT_EQ(component.image, kOkGlyphImage) << form->name << "." << component.name;
            }
        }
    }
    EXPECT_EQ(okButtons, 4);
}

// Components, menu entries and timers are all found by name, so a name may stand only once.
TEST(FormDescriptionsTest, EveryNameIsUniqueWithinItsForm) {
    std::set<std::string_view> classNames;
    for (const FormDescription* form : AllForms()) {
        EXPECT_TRUE(classNames.insert(form->className).second) << form->className;
        std::vector<std::string_view> names;
        for (const auto& component : form->components) {
            names.push_back(component.name);
        }
        CollectMenuNames(form->mainMenu, names);
        CollectMenuNames(form->popupMenu, names);
        for (const auto& timer : form->timers) {
            names.push_back(timer.name);
        }
        std::set<std::string_view> seen;
        for (const auto& name : names) {
            EXPECT_FALSE(name.empty()) << form->className;
            EXPECT_TRUE(seen.insert(name).second) << form->className << " names " << name << " twice";
        }
    }
}

TEST(FormDescriptionsTest, ReferencesBetweenComponentsResolve) {
    for (const FormDescription* form : AllForms()) {
        auto find = [form](std::string_view name) { return ControlIdOf(*form, name) >= kFirstControlId; };
        if (!form->activeControl.empty()) {
            EXPECT_TRUE(find(form->activeControl)) << form->className << " focuses " << form->activeControl;
        }
        int pages = 0;
        for (const auto& component : form->components) {
            if (component.kind == ComponentKind::Tabs) {
                pages = static_cast<int>(component.items.size());
            }
        }
        for (const auto& component : form->components) {
            if (!component.buddy.empty()) {
                EXPECT_TRUE(find(component.buddy)) << component.name;
            }
            EXPECT_LT(component.page, pages) << component.name << " sits on a page that does not exist";
            for (const auto& binding : component.events) {
                EXPECT_FALSE(binding.handler.empty()) << component.name;
            }
        }
        EXPECT_EQ(ControlIdOf(*form, "NoSuchComponent"), -1);
    }
}

// The rows are found by name prefix and tag: every row 0..10 needs exactly one label of each kind,
// and fitting visits them in creation order.
TEST(FormDescriptionsTest, MainWindowRowsAreTaggedWithoutGapsInCreationOrder) {
    std::map<int, int> descriptions;
    std::map<int, int> times;
    std::vector<std::string_view> order;
    for (const auto& component : MainForm1Description().components) {
        const bool isDescription = component.name.starts_with(kRowDescriptionPrefix);
        const bool isTime = component.name.starts_with(kRowTimePrefix);
        if (!isDescription && !isTime) {
            continue;
        }
        order.push_back(component.name);
        (isDescription ? descriptions : times)[component.tag]++;
        EXPECT_EQ(component.name.substr(component.name.rfind('_') + 1), std::to_string(component.tag));
        EXPECT_EQ(component.visible, component.tag == 0) << component.name;
        EXPECT_EQ(component.top, (isDescription ? 8 : 4) + 32 * component.tag) << component.name;
        EXPECT_TRUE(component.autoSize) << component.name;
    }
    for (int row = 0; row <= 10; ++row) {
        EXPECT_EQ(descriptions[row], 1) << "row " << row;
        EXPECT_EQ(times[row], 1) << "row " << row;
    }
    ASSERT_EQ(order.size(), 22u);
    const std::vector<std::string_view> expectedStart{"Other_Location_Label_0", "Other_Location_Label_1",
                                                      "Other_Location_Time_0", "Other_Location_Time_1",
                                                      "Other_Location_Label_2"};
    EXPECT_EQ(std::vector<std::string_view>(order.begin(), order.begin() + 5), expectedStart);
    EXPECT_EQ(order.back(), "Other_Location_Time_10");
}

}  // namespace
}  // namespace orvanta::forms
