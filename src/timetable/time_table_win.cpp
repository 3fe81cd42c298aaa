#include "timetable/time_table_win.h"

#include "forms/time_table_form.h"
#include "toolkit/clipboard.h"

namespace orvanta {

using toolkit::Bind;

TTime_Table::TTime_Table(const SettingsModel& model, MessageDialogs& dialogs, ZoneClocks& clocks, HWND owner)
    : Form(forms::Time_TableDescription()), model_(model), dialogs_(dialogs), clocks_(clocks) {
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
    locationZones_ = {ZoneAt(0), ZoneAt(entries.size() > 1 ? 1 : 0)};
    Build_Time_Table();
}

void TTime_Table::ChooseLocation(std::size_t column) {
    const toolkit::Control& list = *locationLists_[column];
    if (list.ItemIndex() >= 0) {
        locationEntries_[column] = list.Item(list.ItemIndex());
        locationZones_[column] = ZoneAt(static_cast<std::size_t>(list.ItemIndex()));
        Build_Time_Table();
    }
}

std::string TTime_Table::ZoneAt(std::size_t index) const {
    return index == 0 ? std::string() : model_.Get().ZoneOf(index - 1);
}

const TimeZoneRules* TTime_Table::ZoneRules(const std::string& keyName) {
    return keyName.empty() ? nullptr : FindZone(clocks_.Zones(), keyName);
}

void TTime_Table::Build_Time_Table() {
    const TablePlace place1{locationEntries_[0], ZoneRules(locationZones_[0])};
    const TablePlace place2{locationEntries_[1], ZoneRules(locationZones_[1])};
    if (place1.zone == nullptr && place2.zone == nullptr) {
        table_ = orvanta::Build_Time_Table(place1.entry, place2.entry);
    } else {
        const LocalDateTime universal = clocks_.UniversalNow();
        table_ = Build_Zoned_Time_Table(place1, place2, universal,
                                        {clocks_.LocalZone(), LocalBiasMinutes(clocks_.LocalNow(), universal)});
    }
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
