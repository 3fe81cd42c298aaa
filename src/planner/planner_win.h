#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/day_plan.h"
#include "core/place_zones.h"
#include "core/regional_formats.h"
#include "core/settings_model.h"
#include "toolkit/form.h"
#include "toolkit/handles.h"

namespace orvanta {

// The planner: every place the main window shows, hour by hour through one day, each hour marked by
// where it falls in that place's working day. It shows the model and keeps only the working hours
// there; the day starts as today at each opening.
class TPlanner final : public toolkit::Form {
  public:
    TPlanner(SettingsModel& model, ZoneClocks& clocks, std::function<RegionalFormats()> readFormats, HWND owner);
    ~TPlanner() override;

    const DayPlan& Plan() const { return plan_; }
    HWND DatePicker() const { return datePicker_; }
    // The grid's chosen hour; -1 for none.
    int SelectedRow() const;

    // Handlers.
    void FormShow();
    void FormKeyDown(toolkit::EventArgs& args);
    void Previous_Day_ButtonClick() { StepDay(-1); }
    void Next_Day_ButtonClick() { StepDay(1); }
    void Work_Start_ComboBoxChange();
    void Work_End_ComboBoxChange();
    void Copy_ButtonClick();
    void Copy_Table_ButtonClick();

  private:
    // Posted once the grid is on the screen, for the texts its cells give from the plan.
    static constexpr UINT kCellTextsMessage = WM_APP + 2;
    static constexpr int kTipWidth = 420;  // 96-DPI units

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    static LRESULT CALLBACK
    GridProc(HWND grid, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR planner);

    void PaintBuffered(HWND grid);
    void MakeDatePicker();
    void PlaceDatePicker();
    void MakeCellTips();
    void ShowDate(CalendarDate date);
    void StepDay(int days);
    void ShowWorkingHours();
    // Plans the day again and shows it.
    void Rebuild();
    void FillGrid();
    // Each column's width for the plan as it stands, and those widths given to the grid.
    std::vector<int> ColumnWidths();
    void ApplyColumnWidths(const std::vector<int>& widths);
    void GiveCellTexts(int columns);
    void SelectRow(int row);
    void ShowRowNote();
    bool OnNotify(const NMHDR& header, LRESULT& result);
    void DrawGrid(HDC dc, const RECT& client);
    // The fonts of the cues beside colour, made from the grid's own font.
    void MakeCueFonts();
    std::pair<int, int> CellUnderCursor() const;  // row and column; -1 outside the cells

    SettingsModel& model_;
    ZoneClocks& clocks_;
    std::function<RegionalFormats()> readFormats_;
    HWND ownerWindow_;
    RegionalFormats formats_;
    CalendarDate date_;
    DayPlan plan_;
    std::vector<std::wstring> wideTexts_;  // the cells' texts row by row, as they are drawn
    int gridColumns_ = 0;
    int textColumns_ = 0;  // the columns whose cells give their text from the plan
    HWND datePicker_ = nullptr;
    HWND cellTips_ = nullptr;
    std::wstring tipText_;
    std::pair<int, int> tipCell_{-1, -1};
    HFONT cueFontsOf_ = nullptr;
    toolkit::UniqueFont boldFont_;
    toolkit::UniqueFont italicFont_;
    std::vector<std::string> headers_;  // as the grid shows them

    toolkit::Control* Plan_Grid = nullptr;
    toolkit::Control* Work_Start_ComboBox = nullptr;
    toolkit::Control* Work_End_ComboBox = nullptr;
    toolkit::Control* Note_Label = nullptr;
    // The subscription is the last member: it ends before anything it reaches.
    SettingsSubscription subscription_;
};

}  // namespace orvanta
