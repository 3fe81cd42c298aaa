#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_form_win.h"
#include "planner/planner_rules.h"
#include "planner/planner_win.h"
#include "test_support.h"
#include "toolkit/clipboard.h"

namespace orvanta::testing {
namespace {

class PlannerTest : public AppTest {
  protected:
    TPlanner& Planner() { return app_->Planner(); }
    toolkit::Control& Grid() { return Planner().Component("Plan_Grid"); }

    CalendarDate PickedDate() {
        SYSTEMTIME picked{};
        SendMessageW(Planner().DatePicker(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked));
        return {picked.wYear, picked.wMonth, picked.wDay};
    }

    // What the grid shows is the plan, headers and every cell.
    void ExpectGridShowsPlan() {
        const DayPlan& plan = Planner().Plan();
        ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(Grid().Handle())), static_cast<int>(plan.columns.size()));
        for (std::size_t column = 0; column < plan.columns.size(); ++column) {
            EXPECT_EQ(Grid().Cell(static_cast<int>(column), 0), plan.columns[column].header);
            for (int row = 0; row < kPlanHours; ++row) {
                EXPECT_EQ(Grid().Cell(static_cast<int>(column), row + 1), plan.rows[row][column].text) << row;
            }
        }
    }

    void PostKey(HWND window, WPARAM key) {
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    }

    static void SetControlKey(bool down) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
};

// Open from the menu, turn the day by keys, copy a row with Ctrl+C and the table with its button,
// close with Enter.
TEST_F(PlannerTest, OpensOnTodayTurnsTheDayByKeysAndCopies) {
    StartApp();
    AddEntry("Tokyo:9.0", "Tokyo Standard Time");
    const HWND main = app_->MainForm().Handle();
    SetWindowPos(main, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // room to centre on it
    std::string copiedRow;
    int chosen = -1;
    const ModalScriptOutcome outcome = RunModalScript(
        [&] { SendMessageW(main, WM_COMMAND, app_->MainForm().MenuEntry("PlannerOption").CommandId(), 0); },
        [&] { return Planner().InModalLoop() && Planner().Showing(); },
        {
            [&] {
                EXPECT_FALSE(IsWindowEnabled(main));
                const RECT owner = app_->MainForm().WindowBounds();
                const RECT self = Planner().WindowBounds();
                EXPECT_LE(std::abs((self.left + self.right) - (owner.left + owner.right)), 1);
                EXPECT_LE(std::abs((self.top + self.bottom) - (owner.top + owner.bottom)), 1);
                EXPECT_EQ(PickedDate(), (CalendarDate{2026, 12, 7}));
                EXPECT_EQ(Planner().Plan().columns.size(), 2u);
                EXPECT_EQ(Planner().Plan().columns[1].header.rfind("Tokyo ", 0), 0u);
                ExpectGridShowsPlan();
                // The present hour is chosen and framed.
                chosen = Planner().SelectedRow();
                EXPECT_GE(chosen, 0);
                EXPECT_EQ(chosen, Planner().Plan().presentRow.value_or(-1));
                // The label's access key reaches the date picker, which the window made itself.
                PostMessageW(Grid().Handle(), WM_SYSCHAR, 'd', 1 << 29);
            },
            ModalStep::WaitUntil([&] { return GetFocus() == Planner().DatePicker(); }),
            [&] {
                Grid().SetFocus();
                PostKey(Grid().Handle(), VK_NEXT);
            },
            ModalStep::WaitUntil([&] {
                return PickedDate() == CalendarDate{2026, 12, 8};
            }),
            [&] {
                EXPECT_EQ(Planner().Plan().date, (CalendarDate{2026, 12, 8}));
                EXPECT_EQ(Planner().Plan().presentRow, std::nullopt);
                ExpectGridShowsPlan();
                PostKey(Grid().Handle(), VK_PRIOR);
                PostKey(Grid().Handle(), VK_PRIOR);
            },
            ModalStep::WaitUntil([&] {
                return PickedDate() == CalendarDate{2026, 12, 6};
            }),
            [&] {
                EXPECT_EQ(Planner().SelectedRow(), chosen) << "the chosen hour stays as the day turns";
                copiedRow = PlanRowClipboardText(Planner().Plan(), chosen, formats_);
                SetControlKey(true);
                PostKey(Grid().Handle(), 'C');
            },
            [&] {
                SetControlKey(false);
                EXPECT_EQ(toolkit::ClipboardText(main), copiedRow);
                EXPECT_EQ(Planner().Component("Note_Label").Text(), CopiedRowNote(chosen, 2, formats_));
                SendMessageW(Planner().Component("Copy_Table_Button").Handle(), BM_CLICK, 0, 0);
                EXPECT_EQ(toolkit::ClipboardText(main), PlanTableClipboardText(Planner().Plan()));
                EXPECT_EQ(Planner().Component("Note_Label").Text(), kCopiedTableNote);
                PostKey(Grid().Handle(), VK_RETURN);
            },
        },
        [&] { Planner().EndModal(forms::ModalResult::Cancel); });
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.forcedClosed) << "Enter did not close the planner";
    EXPECT_TRUE(outcome.timedOut.empty()) << "a page key did not turn the day";
    EXPECT_TRUE(IsWindowEnabled(main));
}

// The working hours chosen are the model's, and each class is painted in its own colour.
TEST_F(PlannerTest, WorkingHoursGoIntoTheModelAndTheCellsShowTheirClass) {
    StartApp();
    AddEntry("Tokyo:9.0", "Tokyo Standard Time");
    const HWND main = app_->MainForm().Handle();
    const UINT popupCommand = app_->MainForm().MenuEntry("Planner_Popup_Option").CommandId();
    ASSERT_TRUE(RunModal([&] { SendMessageW(main, WM_COMMAND, popupCommand, 0); }, [&] { return Planner().Showing(); },
                         [&] {
                             toolkit::Control& start = Planner().Component("Work_Start_ComboBox");
                             SendMessageW(start.Handle(), CB_SETCURSEL, 16, 0);
                             SendMessageW(Planner().Handle(), WM_COMMAND, MAKEWPARAM(start.ControlId(), CBN_SELCHANGE),
                                          reinterpret_cast<LPARAM>(start.Handle()));
                             EXPECT_EQ(app_->Model().Get().workingHours, (WorkingHours{8 * 60, 17 * 60}));
                             UpdateWindow(Grid().Handle());
                             const DayPlan& plan = Planner().Plan();
                             HDC dc = GetDC(Grid().Handle());
                             RECT client{};
                             GetClientRect(Grid().Handle(), &client);
                             RECT header{};
                             GetClientRect(ListView_GetHeader(Grid().Handle()), &header);
                             for (int row = 0; row < kPlanHours; ++row) {
                                 RECT cell{};
                                 ListView_GetSubItemRect(Grid().Handle(), row, 1, LVIR_BOUNDS, &cell);
                                 if (row == Planner().SelectedRow() || row == plan.presentRow ||
                                     cell.bottom > client.bottom || cell.top < header.bottom) {
                                     continue;  // highlighted, framed, or scrolled out of sight
                                 }
                                 const CellLook look = CellLookOf(plan.rows[row][1].hourClass, false);
                                 EXPECT_EQ(GetPixel(dc, cell.right - 3, (cell.top + cell.bottom) / 2),
                                           RGB(look.back.rgb >> 16, (look.back.rgb >> 8) & 0xFF, look.back.rgb & 0xFF))
                                     << "row " << row;
                             }
                             ReleaseDC(Grid().Handle(), dc);
                             Planner().Close();
                         }));
}

}  // namespace
}  // namespace orvanta::testing
