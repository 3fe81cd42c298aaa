#include "timetable/time_table_win.h"

#include "forms/time_table_form.h"
#include "toolkit/clipboard.h"

namespace orvanta {

// The handlers its form description names, as constant data.
constexpr toolkit::HandlerEntry<TTime_Table> kTTime_TableHandlers[] = {
    {"FormActivate", &TTime_Table::FormActivate},
    {"Time_Zone_1_ListBoxClick", &TTime_Table::Time_Zone_1_ListBoxClick},
    {"Time_Zone_2_ListBoxClick", &TTime_Table::Time_Zone_2_ListBoxClick},
    {"Copy_Time_Table_to_Clipboard_ButtonClick", &TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick},
};

TTime_Table::TTime_Table(const SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner)
    : Form(forms::Time_TableDescription()), model_(model), dialogs_(dialogs), clocks_(clocks) {
    Create(toolkit::HandlersOf(this, kTTime_TableHandlers), owner);
    BindComponents({
        {"Time_Zone_1_ListBox", &Time_Zone_1_ListBox},
        {"Time_Zone_2_ListBox", &Time_Zone_2_ListBox},
        {"Time_Comparison_StringGrid", &Time_Comparison_StringGrid},
        {"Copied_Label", &Copied_Label},
    });
    locationLists_ = {Time_Zone_1_ListBox, Time_Zone_2_ListBox};
}

void TTime_Table::FormActivate() {
    choices_ = TimeTableChoicesOf(model_.CurrentLocationCaption(), model_.Places());
    for (toolkit::Control* list : locationLists_) {
        list->ClearItems();
        for (const auto& text : choices_.texts) {
            list->AddItem(text);
        }
    }
    chosen_ = DefaultTimeTablePair(choices_.places.size());
    Build_Time_Table();
}

void TTime_Table::Time_Zone_1_ListBoxClick() {
    ChooseLocation(0);
}

void TTime_Table::Time_Zone_2_ListBoxClick() {
    ChooseLocation(1);
}

void TTime_Table::ChooseLocation(std::size_t column) {
    const int index = locationLists_[column]->ItemIndex();
    if (index >= 0 && static_cast<std::size_t>(index) < choices_.places.size()) {
        chosen_[column] = static_cast<std::size_t>(index);
        Build_Time_Table();
    }
}

void TTime_Table::Build_Time_Table() {
    table_ = BuildTimeTable(Location1(), Location2(), clocks_);
    // What was copied is no longer what the grid shows.
    Copied_Label->SetVisible(false);
    for (int row = 0; row < kTimeTableRows; ++row) {
        for (int column = 0; column < kTimeTableColumns; ++column) {
            Time_Comparison_StringGrid->SetCell(
                column, row, table_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        }
    }
}

void TTime_Table::Copy_Time_Table_to_Clipboard_ButtonClick() {
    const bool copied = toolkit::SetClipboardText(Handle(), TimeTableClipboardText(table_));
    Copied_Label->SetVisible(copied);
    if (!copied) {
        dialogs_.Fail(kClipboardBusyMessage);
    }
}

}  // namespace orvanta
