#include "timetable/time_table_win.h"

#include "app/application_win.h"
#include "forms/time_table_form.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table.h"
#include "toolkit/clipboard.h"

namespace orvanta {

using toolkit::Bind;

TTime_Table::TTime_Table(OrvantaApp& app, HWND owner) : Form(forms::Time_TableDescription()), app_(app) {
    Create(
        {
            {"FormActivate", Bind(this, &TTime_Table::FormActivate)},
            {"Time_Zone_1_ListBoxClick", Bind(this, &TTime_Table::Time_Zone_1_ListBoxClick)},
            {"Time_Zone_2_ListBoxClick", Bind(this, &TTime_Table::Time_Zone_2_ListBoxClick)},
            {"Copy_Time_Table_to_Clipboard_ButtonClick",
             Bind(this, &TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick)},
        },
        owner);
}

void TTime_Table::FormActivate() {
    const auto& options = app_.OptionsSetup();
    const auto entries = TimeTableEntries(options.Component("Current_Location_EditBox").Text(),
                                          options.Component("Other_Locations_ListBox").Items());
    auto& list1 = Component("Time_Zone_1_ListBox");
    auto& list2 = Component("Time_Zone_2_ListBox");
    list1.ClearItems();
    list2.ClearItems();
    for (const auto& entry : entries) {
        list1.AddItem(entry);
        list2.AddItem(entry);
    }
    location1Entry_ = entries.front();
    location2Entry_ = entries.size() > 1 ? entries[1] : entries.front();
    Build_Time_Table();
}

void TTime_Table::Time_Zone_1_ListBoxClick() {
    const auto& list = Component("Time_Zone_1_ListBox");
    if (list.ItemIndex() >= 0) {
        location1Entry_ = list.Item(list.ItemIndex());
        Build_Time_Table();
    }
}

void TTime_Table::Time_Zone_2_ListBoxClick() {
    const auto& list = Component("Time_Zone_2_ListBox");
    if (list.ItemIndex() >= 0) {
        location2Entry_ = list.Item(list.ItemIndex());
        Build_Time_Table();
    }
}

void TTime_Table::Build_Time_Table() {
    const TimeTable table = orvanta::Build_Time_Table(location1Entry_, location2Entry_);
    auto& grid = Component("Time_Comparison_StringGrid");
    for (int row = 0; row < kTimeTableRows; ++row) {
        for (int column = 0; column < kTimeTableColumns; ++column) {
            grid.SetCell(column, row, table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        }
    }
}

void TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick() {
    const auto& grid = Component("Time_Comparison_StringGrid");
    TimeTable table;
    for (int row = 0; row < kTimeTableRows; ++row) {
        for (int column = 0; column < kTimeTableColumns; ++column) {
            table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = grid.Cell(column, row);
        }
    }
    if (!toolkit::SetClipboardText(Handle(), TimeTableClipboardText(table))) {
        app_.Dialogs().Fail(kClipboardBusyMessage);
    }
}

}  // namespace orvanta
