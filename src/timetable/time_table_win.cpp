#include "timetable/time_table_win.h"

#include "forms/time_table_form.h"
#include "toolkit/clipboard.h"

namespace orvanta {

using toolkit::Bind;

TTime_Table::TTime_Table(const SettingsModel& model, MessageDialogs& dialogs, HWND owner)
    : Form(forms::Time_TableDescription()), model_(model), dialogs_(dialogs) {
    Create(
        {
            {"FormActivate", Bind(this, &TTime_Table::FormActivate)},
            {"Time_Zone_1_ListBoxClick", [this](toolkit::EventArgs&) { ChooseLocation(0); }},
            {"Time_Zone_2_ListBoxClick", [this](toolkit::EventArgs&) { ChooseLocation(1); }},
            {"Copy_Time_Table_to_Clipboard_ButtonClick",
             Bind(this, &TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick)},
        },
        owner);
    BindComponents({
        {"Time_Zone_1_ListBox", &Time_Zone_1_ListBox},
        {"Time_Zone_2_ListBox", &Time_Zone_2_ListBox},
        {"Time_Comparison_StringGrid", &Time_Comparison_StringGrid},
    });
    locationLists_ = {Time_Zone_1_ListBox, Time_Zone_2_ListBox};
}

void TTime_Table::FormActivate() {
    const auto entries = TimeTableEntries(model_.CurrentLocationCaption(), model_.Locations());
    for (toolkit::Control* list : locationLists_) {
        list->ClearItems();
        for (const auto& entry : entries) {
            list->AddItem(entry);
        }
    }
    locationEntries_ = DefaultTimeTablePair(entries);
    Build_Time_Table();
}

void TTime_Table::ChooseLocation(std::size_t column) {
    const toolkit::Control& list = *locationLists_[column];
    if (list.ItemIndex() >= 0) {
        locationEntries_[column] = list.Item(list.ItemIndex());
        Build_Time_Table();
    }
}

void TTime_Table::Build_Time_Table() {
    table_ = orvanta::Build_Time_Table(locationEntries_[0], locationEntries_[1]);
    for (int row = 0; row < kTimeTableRows; ++row) {
        for (int column = 0; column < kTimeTableColumns; ++column) {
            Time_Comparison_StringGrid->SetCell(
                column, row, table_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        }
    }
}

void TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick() {
    if (!toolkit::SetClipboardText(Handle(), TimeTableClipboardText(table_))) {
        dialogs_.Fail(kClipboardBusyMessage);
    }
}

}  // namespace orvanta
