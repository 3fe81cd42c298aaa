#include <windows.h>
#include <gtest/gtest.h>
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "timetable/time_table_win.h"
namespace orvanta::testing {
class DebugTableTest : public AppTest {};
TEST_F(DebugTableTest, Keys) {
    StartApp();
    app_->OptionsSetup().Component("Other_Locations_ListBox").AddItem("Tokyo:9.0");
    app_->OptionsSetup().Component("Other_Locations_ListBox").AddItem("Kabul:4.5");
    auto& t = app_->TimeTable();
    RunModal([&] { t.ShowModal(); }, [&] { return t.Showing(); }, [&] {
        HWND box = t.Component("Time_Zone_1_ListBox").Handle();
        printf("count %d sel %d focus=%p box=%p\n", (int)SendMessageW(box, LB_GETCOUNT,0,0), (int)SendMessageW(box, LB_GETCURSEL,0,0), GetFocus(), box);
        SetFocus(box);
        printf("after focus sel %d caret %d focus=%p\n", (int)SendMessageW(box, LB_GETCURSEL,0,0), (int)SendMessageW(box, LB_GETCARETINDEX,0,0), GetFocus());
        SendMessageW(box, WM_KEYDOWN, VK_END, 1);
        printf("after end sel %d loc1 %s\n", (int)SendMessageW(box, LB_GETCURSEL,0,0), t.Location1Entry().c_str());
        SendMessageW(box, WM_KEYDOWN, VK_DOWN, 1);
        printf("after down sel %d loc1 %s\n", (int)SendMessageW(box, LB_GETCURSEL,0,0), t.Location1Entry().c_str());
        t.EndModal(forms::ModalResult::Ok);
    });
}
}
