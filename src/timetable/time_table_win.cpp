#include "timetable/time_table_win.h"

#include "app/application_win.h"
#include "forms/time_table_form.h"
#include "settings/options_setup_win.h"
#include "toolkit/clipboard.h"

namespace orvanta {

using toolkit::Bind;

namespace {

// One list for each column of the table.
constexpr std::array<const char*, kTimeTableColumns> kLocationLists = {"Time_Zone_1_ListBox", "Time_Zone_2_ListBox"};

}  // namespace

TTime_Table::TTime_Table(OrvantaApp& app, HWND owner) : Form(forms::Time_TableDescription()), app_(app) {
    Create(
        {
            {"FormActivate", Bind(this, &TTime_Table::FormActivate)},
            {"Time_Zone_1_ListBoxClick", [this](toolkit::EventArgs&) { ChooseLocation(0); }},
            {"Time_Zone_2_ListBoxClick", [this](toolkit::EventArgs&) { ChooseLocation(1); }},
            {"Copy_Time_Table_to_Clipboard_ButtonClick",
             Bind(this, &TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick)},
        },
        owner);
}

void TTime_Table::FormActivate() {
    const auto& options = app_.OptionsSetup();
    const auto entries = TimeTableEntries(options.Component("Current_Location_EditBox").Text(),
                                          options.Component("Other_Locations_ListBox").Items());
    for (const char* name : kLocationLists) {
        auto& list = Component(name);
        list.ClearItems();
        for (const auto& entry : entries) {
            list.AddItem(entry);
        }
    }
    locationEntries_ = DefaultTimeTablePair(entries);
    Build_Time_Table();
}

void TTime_Table::ChooseLocation(std::size_t column) {
    const auto& list = Component(kLocationLists[column]);
    if (list.ItemIndex() >= 0) {
        locationEntries_[column] = list.Item(list.ItemIndex());
        Build_Time_Table();
    }
}

void TTime_Table::Build_Time_Table() {
    const TimeTable table = orvanta::Build_Time_Table(locationEntries_[0], locationEntries_[1]);
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
