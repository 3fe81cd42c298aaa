#include "planner/planner_win.h"

#include <algorithm>

#include "forms/planner_form.h"
#include "planner/planner_rules.h"
#include "toolkit/clipboard.h"
#include "toolkit/win_text.h"

namespace orvanta {

namespace {

// Past every component's id, which count up from forms::kFirstControlId.
constexpr int kDatePickerId = 900;
// Posted after a change of resolution, once the toolkit has re-scaled the components.
constexpr UINT kRescaledMessage = WM_APP + 1;

SYSTEMTIME SystemTimeOf(CalendarDate date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    return time;
}

}  // namespace

// The handlers its form description names, as constant data.
constexpr toolkit::HandlerEntry<TPlanner> kTPlannerHandlers[] = {
    {"FormShow", &TPlanner::FormShow},
    {"FormKeyDown", &TPlanner::FormKeyDown},
    {"Previous_Day_ButtonClick", &TPlanner::Previous_Day_ButtonClick},
    {"Next_Day_ButtonClick", &TPlanner::Next_Day_ButtonClick},
    {"Work_Start_ComboBoxChange", &TPlanner::Work_Start_ComboBoxChange},
    {"Work_End_ComboBoxChange", &TPlanner::Work_End_ComboBoxChange},
    {"Copy_ButtonClick", &TPlanner::Copy_ButtonClick},
    {"Copy_Table_ButtonClick", &TPlanner::Copy_Table_ButtonClick},
};

TPlanner::TPlanner(SettingsModel& model, ZoneClocks& clocks, std::function<RegionalFormats()> readFormats, HWND owner)
    : Form(forms::PlannerDescription()),
      model_(model),
      clocks_(clocks),
      readFormats_(std::move(readFormats)),
      ownerWindow_(owner),
      subscription_(model, [this](SettingsChange change, SettingsFlag) {
          if (change != SettingsChange::WindowGeometry && change != SettingsChange::SettingsPage && Showing()) {
              ShowWorkingHours();
              Rebuild();
          }
      }) {
    Create(toolkit::HandlersOf(this, kTPlannerHandlers), owner);
    BindComponents({
        {"Plan_Grid", &Plan_Grid},
        {"Work_Start_ComboBox", &Work_Start_ComboBox},
        {"Work_End_ComboBox", &Work_End_ComboBox},
        {"Note_Label", &Note_Label},
    });
    MakeDatePicker();
    MakeCellTips();
    SetWindowSubclass(Plan_Grid->Handle(), &TPlanner::GridProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TPlanner::~TPlanner() {
    RemoveWindowSubclass(Plan_Grid->Handle(), &TPlanner::GridProc, 0);
}

void TPlanner::MakeDatePicker() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    datePicker_ =
        CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_SHORTDATEFORMAT, 0, 0, 0,
                        0, Handle(), reinterpret_cast<HMENU>(kDatePickerId), GetModuleHandleW(nullptr), nullptr);
    // The picker offers every day a SYSTEMTIME holds; the plan works for each of them.
    SYSTEMTIME range[2] = {SystemTimeOf(kFirstPlanDate), SystemTimeOf(kLastPlanDate)};
    SendMessageW(datePicker_, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    // In the tab order right after its label, whose access key then reaches it.
    SetWindowPos(datePicker_, Component(forms::kPlannerDateLabel).Handle(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PlaceDatePicker();
}

void TPlanner::PlaceDatePicker() {
    const auto& bounds = forms::kPlannerDatePickerBounds;
    SetWindowPos(datePicker_, nullptr, Scale(bounds.left), Scale(bounds.top), Scale(bounds.width), Scale(bounds.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(datePicker_, WM_SETFONT, SendMessageW(Component(forms::kPlannerDateLabel).Handle(), WM_GETFONT, 0, 0),
                 TRUE);
}

void TPlanner::FormShow() {
    formats_ = readFormats_();
    ShowWorkingHours();
    ShowDate(DateOf(clocks_.LocalNow()));
    SelectRow(plan_.presentRow.value_or(model_.Get().workingHours.startMinutes / 60));
    Note_Label->SetText("");

    // Centred on the main window, within the screen it is on.
    RECT owner{};
    RECT self{};
    GetWindowRect(ownerWindow_, &owner);
    GetWindowRect(Handle(), &self);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(ownerWindow_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    const int left = (owner.left + owner.right - width) / 2;
    const int top = (owner.top + owner.bottom - height) / 2;
    SetWindowPos(Handle(), nullptr, std::max<int>(area.left, std::min<int>(left, area.right - width)),
                 std::max<int>(area.top, std::min<int>(top, area.bottom - height)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPlanner::FormKeyDown(toolkit::EventArgs& args) {
    if (args.key == 'C' && GetKeyState(VK_CONTROL) < 0) {
        Copy_ButtonClick();
    }
}

void TPlanner::ShowDate(CalendarDate date) {
    date_ = IsPlanDate(date) ? date : kFirstPlanDate;
    SYSTEMTIME shown = SystemTimeOf(date_);
    SendMessageW(datePicker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    Rebuild();
}

void TPlanner::StepDay(int days) {
    const int row = SelectedRow();
    ShowDate(StepPlanDate(date_, days));
    SelectRow(row);
}

void TPlanner::ShowWorkingHours() {
    const WorkingHours& hours = model_.Get().workingHours;
    for (const auto& [combo, choices] : {std::pair{Work_Start_ComboBox, WorkingStartChoices(formats_)},
                                         std::pair{Work_End_ComboBox, WorkingEndChoices(formats_)}}) {
        if (combo->ItemCount() != static_cast<int>(choices.size()) || combo->Item(0) != choices.front()) {
            combo->ClearItems();
            for (const std::string& choice : choices) {
                combo->AddItem(choice);
            }
        }
    }
    Work_Start_ComboBox->SetItemIndex(ChoiceOfWorkingStart(hours));
    Work_End_ComboBox->SetItemIndex(ChoiceOfWorkingEnd(hours));
}

void TPlanner::Work_Start_ComboBoxChange() {
    if (const int index = Work_Start_ComboBox->ItemIndex(); index >= 0) {
        model_.SetWorkingHours(WithWorkingStart(model_.Get().workingHours, WorkingStartOfChoice(index)));
    }
}

void TPlanner::Work_End_ComboBoxChange() {
    if (const int index = Work_End_ComboBox->ItemIndex(); index >= 0) {
        model_.SetWorkingHours(WithWorkingEnd(model_.Get().workingHours, WorkingEndOfChoice(index)));
    }
}

void TPlanner::Rebuild() {
    const LocalDateTime universalNow = clocks_.UniversalNow();
    const TimeZoneRules* localZone = clocks_.LocalZone();
    DayPlanRequest request{PlannerPlaces(model_.Get(), localZone),
                           date_,
                           &clocks_.PlacesZones(),
                           {localZone, LocalBiasMinutes(clocks_.LocalNow(), universalNow)},
                           model_.Get().workingHours,
                           universalNow};
    plan_ = PlanDay(request, formats_);
    wideTexts_.clear();
    for (const auto& row : plan_.rows) {
        for (const PlanCell& cell : row) {
            wideTexts_.push_back(toolkit::Widen(cell.text));
        }
    }
    FillGrid();
    ShowRowNote();
}

void TPlanner::Copy_ButtonClick() {
    int row = SelectedRow();
    if (row < 0) {
        row = plan_.presentRow.value_or(0);
    }
    Note_Label->SetText(toolkit::SetClipboardText(Handle(), PlanRowClipboardText(plan_, row, formats_))
                            ? CopiedRowNote(row, plan_.columns.size(), formats_)
                            : kClipboardBusyNote);
}

void TPlanner::Copy_Table_ButtonClick() {
    Note_Label->SetText(toolkit::SetClipboardText(Handle(), PlanTableClipboardText(plan_)) ? kCopiedTableNote
                                                                                           : kClipboardBusyNote);
}

bool TPlanner::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    // The components tell their form of themselves while it is still making them.
    if (Plan_Grid == nullptr) {
        return false;
    }
    switch (message) {
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        case WM_DPICHANGED:
            PostMessageW(Handle(), kRescaledMessage, 0, 0);
            return false;
        case kCellTextsMessage:
            GiveCellTexts(gridColumns_);
            return true;
        case kRescaledMessage:
            PlaceDatePicker();
            SendMessageW(cellTips_, TTM_SETMAXTIPWIDTH, 0, Scale(kTipWidth));
            ApplyColumnWidths(ColumnWidths());
            return true;
        default:
            return false;
    }
}

bool TPlanner::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == datePicker_ && header.code == DTN_DATETIMECHANGE) {
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        const CalendarDate date{change.st.wYear, change.st.wMonth, change.st.wDay};
        if (change.dwFlags == GDT_VALID && date != date_) {
            const int row = SelectedRow();
            ShowDate(date);
            SelectRow(row);
        }
        result = 0;
        return true;
    }
    if (header.hwndFrom == cellTips_ && header.code == TTN_GETDISPINFOW) {
        auto& tip = reinterpret_cast<NMTTDISPINFOW&>(const_cast<NMHDR&>(header));
        const auto [row, column] = CellUnderCursor();
        tipText_ = column >= 0 && column < static_cast<int>(plan_.columns.size())
                       ? toolkit::Widen(PlanCellTip(plan_, row, column, formats_))
                       : std::wstring();
        tip.lpszText = tipText_.data();
        return true;
    }
    if (header.hwndFrom != Plan_Grid->Handle()) {
        return false;
    }
    if (header.code == LVN_GETDISPINFOW) {
        auto& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
        const bool cell = item.iItem >= 0 && item.iItem < kPlanHours && item.iSubItem >= 0 &&
                          item.iSubItem < static_cast<int>(plan_.columns.size());
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            lstrcpynW(item.pszText,
                      cell ? wideTexts_[static_cast<std::size_t>(item.iItem) * plan_.columns.size() +
                                        static_cast<std::size_t>(item.iSubItem)]
                                 .c_str()
                           : L"",
                      item.cchTextMax);
        }
        return true;
    }
    if (header.code == LVN_ITEMCHANGED &&
        (reinterpret_cast<const NMLISTVIEW&>(header).uNewState & LVIS_SELECTED) != 0) {
        ShowRowNote();
    }
    return false;
}

}  // namespace orvanta
