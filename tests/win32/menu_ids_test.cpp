#include <gtest/gtest.h>

#include <functional>

#include "app/main_form_win.h"
#include "forms/main_form.h"
#include "test_support.h"

namespace orvanta::testing {
namespace {

// Programs that drive the clock from outside choose menu entries by the identifiers the form
// description gives; the menu bar must use the same ones.
TEST_F(AppTest, MenuBarCommandIdsAreTheOnesTheDescriptionNames) {
    CreateApp();
    const auto& form = forms::MainForm1Description();
    int entries = 0;
    std::function<void(const std::vector<forms::MenuItemDescription>&)> visit =
        [&](const std::vector<forms::MenuItemDescription>& items) {
            for (const auto& item : items) {
                EXPECT_EQ(static_cast<int>(app_->MainForm().MenuEntry(item.name).CommandId()),
                          forms::MainMenuCommandIdOf(form, item.name))
                    << item.name;
                ++entries;
                visit(item.items);
            }
        };
    visit(form.mainMenu);
    EXPECT_GT(entries, 10);
    EXPECT_EQ(forms::MainMenuCommandIdOf(form, "NoSuchEntry"), -1);
}

}  // namespace
}  // namespace orvanta::testing
