#include "app/main_form_win.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "appearance/window_appearance_win.h"
#include "appearance/window_fitting.h"
#include "core/clock_changes.h"
#include "core/clock_tick.h"
#include "core/design_units.h"
#include "core/program_titles.h"
#include "core/window_placement.h"
#include "forms/main_form.h"

namespace orvanta {

namespace {

// Where a row's tooltip wraps its lines, in pixels at 96 DPI.
constexpr int kRowTipWidth = 360;

}  // namespace

// The handlers its form description names, as constant data.
constexpr toolkit::HandlerEntry<TMainForm1> kTMainForm1Handlers[] = {
    {"FormShow", &TMainForm1::FormShow},
    {"FormCloseQuery", &TMainForm1::FormCloseQuery},
    {"Timer1Timer", &TMainForm1::Timer1Timer},
    {"SettingsOptionClick", &TMainForm1::SettingsOptionClick},
    {"Always_On_Top_OptionClick", &TMainForm1::Always_On_Top_OptionClick},
    {"Auto_Run_at_Windows_Startup_OptionClick", &TMainForm1::Auto_Run_at_Windows_Startup_OptionClick},
    {"Restore_Factory_Defaults_OptionClick", &TMainForm1::Restore_Factory_Defaults_OptionClick},
    {"Generate_Time_Comparison_Table_OptionClick", &TMainForm1::Generate_Time_Comparison_Table_OptionClick},
    {"Menus_and_Title_On_Off_OptionClick", &TMainForm1::Menus_and_Title_On_Off_OptionClick},
    {"ExitOptionClick", &TMainForm1::ExitOptionClick},
    {"HelpOptionClick", &TMainForm1::HelpOptionClick},
    {"View_Readme_file_OptionClick", &TMainForm1::View_Readme_file_OptionClick},
    {"View_Shareware_Catalog_OptionClick", &TMainForm1::View_Shareware_Catalog_OptionClick},
    {"AboutOptionClick", &TMainForm1::AboutOptionClick},
    {"SpareMenuClick", &TMainForm1::SpareMenuClick},
    {"Menus_and_Title_Bar_On_Off_Popup_OptionClick", &TMainForm1::Menus_and_Title_Bar_On_Off_Popup_OptionClick},
    {"Settings_Popup_OptionClick", &TMainForm1::Settings_Popup_OptionClick},
    {"Generate_Time_Comparison_Table_PopupOptionClick", &TMainForm1::Generate_Time_Comparison_Table_PopupOptionClick},
    {"PlannerOptionClick", &TMainForm1::PlannerOptionClick},
    {"Planner_Popup_OptionClick", &TMainForm1::PlannerOptionClick},
    {"Help_Popup_OptionClick", &TMainForm1::Help_Popup_OptionClick},
    {"HelpAbout_Popup_OptionClick", &TMainForm1::HelpAbout_Popup_OptionClick},
    {"Exit_Popup_OptionClick", &TMainForm1::Exit_Popup_OptionClick},
    {"Read_All_Places_Popup_OptionClick", &TMainForm1::Read_All_Places_Popup_OptionClick},
};

TMainForm1::TMainForm1(SettingsModel& model,
                       MainWindowSources& sources,
                       MainWindowCommands& commands,
                       MessageDialogs& dialogs)
    : Form(forms::MainForm1Description()),
      model_(model),
      sources_(sources),
      commands_(commands),
      dialogs_(dialogs),
      formats_(sources.ReadRegionalFormats()),
      settingsWarningMessage_(RegisterWindowMessageW(L"OrvantaUnreadableSettingsWarning")),
      subscription_(model_, [this](SettingsChange change, SettingsFlag flag) { ModelChanged(change, flag); }) {
    SetEndsApplication(true);
    Create(toolkit::HandlersOf(this, kTMainForm1Handlers), nullptr);
    BindRows();
    BindComponents({}, {
                           {"FileMenu", &FileMenu},
                           {"HelpMenu", &HelpMenu},
                           {"SpareMenu", &SpareMenu},
                           {"About1", &About1},
                           {"Always_On_Top_Option", &Always_On_Top_Option},
                           {"Auto_Run_at_Windows_Startup_Option", &Auto_Run_at_Windows_Startup_Option},
                       });
    Timer1 = &TimerNamed("Timer1");
}

// The rows are found by their names' prefixes and their tags, which number them.
void TMainForm1::BindRows() {
    const std::string_view descriptionPrefix = forms::kRowDescriptionPrefix;
    for (const auto& label : Components()) {
        if (!label->Name().starts_with(forms::kRowLabelPrefix) || label->Tag() < 0 ||
            label->Tag() >= kLocationRowCount) {
            continue;
        }
        auto& row = label->Name().starts_with(descriptionPrefix) ? descriptionLabels_ : timeLabels_;
        row[static_cast<std::size_t>(label->Tag())] = label.get();
    }
    for (const std::string& name : FittingLabelOrder()) {
        fittingLabels_.push_back(&Component(name));
    }
}

void TMainForm1::ModelChanged(SettingsChange change, SettingsFlag flag) {
    if (change == SettingsChange::Flag && flag == SettingsFlag::AutoWindowWidthSizing) {
        LayOutRowColumns();
    }
    const bool everything = change == SettingsChange::Everything;
    const bool flagChanged = change == SettingsChange::Flag;
    if (everything || (flagChanged && (flag == SettingsFlag::MenusOff || flag == SettingsFlag::TitleBarOff))) {
        ShowFrame();
    }
    if (everything) {
        ShowWindowGeometry();
    }
    if (RowsFollow(change, flag)) {
        Update_Location_Rows();
    }
    if (everything || (flagChanged && flag == SettingsFlag::AlwaysOnTop)) {
        ShowAlwaysOnTop();
    }
    if (everything || (flagChanged && flag == SettingsFlag::AutoRunAtWindowsStartup)) {
        Auto_Run_at_Windows_Startup_Option->SetChecked(model_.Flag(SettingsFlag::AutoRunAtWindowsStartup));
    }
}

void TMainForm1::FormShow() {
    // A window shown again (restored, or re-created by a change of border) keeps its state.
    if (FormShow_Already_Run_CheckBox) {
        return;
    }
    FormShow_Already_Run_CheckBox = true;
    // The saved size is applied to the menu bar as it will be shown: with the spare entry still in
    // it, a narrow window wraps the bar onto a second line, the client height is measured under
    // that line, and the window grows by one line at every start.
    HideSpareMenuEntries();
    // Reading the file replaces the whole model, which every view shows at once: the rows are
    // filled before a show state or a question can show the window, and the user never sees the
    // design's placeholders.
    const SettingsShown shown = commands_.LoadSettingsAtStart();
    ShowSettingsRead(shown);
    // The show state a shortcut asked for belongs to the start; a reset has just restored the
    // window and must not minimise it again.
    Apply_Startup_Show_State();
    commands_.CheckAutoRun();
    if (shown.warnUnreadable) {
        PostMessageW(Handle(), settingsWarningMessage_, 0, 0);
    }
}

void TMainForm1::ShowSettingsRead(const SettingsShown& shown) {
    if (shown.widenToFirstRow) {
        FitClientToRows(*this, fittingLabels_, {.width = true}, FitDirection::WidenOnly);
    }
    KeepOnScreen();
    Set_Program_Titles();
}

// The file keeps 96-DPI units; the window takes pixels.
void TMainForm1::ShowWindowGeometry() {
    const Settings& settings = model_.Get();
    PlaceFrame(DesignUnitsToPixels(settings.windowLeft, Dpi()), DesignUnitsToPixels(settings.windowTop, Dpi()),
               DesignUnitsToPixels(settings.clientWidth, Dpi()), DesignUnitsToPixels(settings.clientHeight, Dpi()));
}

void TMainForm1::StoreWindowGeometry() {
    const RECT bounds = WindowBounds();
    const SIZE client = ClientSize();
    model_.SetWindowGeometry(PixelsToDesignUnits(bounds.top, Dpi()), PixelsToDesignUnits(bounds.left, Dpi()),
                             PixelsToDesignUnits(client.cx, Dpi()), PixelsToDesignUnits(client.cy, Dpi()));
}

void TMainForm1::KeepOnScreen() {
    RECT bounds = WindowBounds();
    if (MonitorFromRect(&bounds, MONITOR_DEFAULTTONULL) != nullptr) {
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const ScreenRect moved = BringOntoWorkArea({bounds.left, bounds.top, bounds.right, bounds.bottom},
                                               {work.left, work.top, work.right, work.bottom});
    MoveFrameTo(moved.left, moved.top);
}

void TMainForm1::Set_Program_Titles() {
    SetCaption(kProgramTitle);
    HideSpareMenuEntries();
}

void TMainForm1::HideSpareMenuEntries() {
    // Hidden first: a hidden entry takes its new caption without redrawing the bar.
    SpareMenu->SetVisible(false);
    SpareMenu->SetCaption("");
    About1->SetVisible(false);
}

void TMainForm1::Apply_Startup_Show_State() {
    const std::optional<int> state = sources_.StartupShowState();
    // A clock started hidden could never be reached again: every other state is honoured.
    if (state.has_value() && *state != SW_HIDE) {
        ShowWindow(Handle(), *state);
    }
}

void TMainForm1::Update_Location_Rows() {
    Update_Location_Rows(sources_.Clocks().LocalNow());
}

void TMainForm1::Update_Location_Rows(const LocalDateTime& now) {
    const std::optional<ClockReading> reading = ReadClocksFor(sources_.Clocks(), model_.Places(), now);
    const LocationRowsPlan plan = PlanLocationRows(RowsOf(model_.Get()), now, formats_, reading ? &*reading : nullptr);
    for (std::size_t row = 0; row < plan.size(); ++row) {
        const RowPlan& planned = plan[row];
        for (toolkit::Control* label : {descriptionLabels_[row], timeLabels_[row]}) {
            switch (planned.action) {
                case RowAction::Show:
                    label->SetText(label == descriptionLabels_[row] ? planned.description : planned.time);
                    label->SetVisible(true);
                    break;
                case RowAction::Hide:
                    label->SetVisible(false);
                    break;
                case RowAction::LeaveUntouched:
                    break;
            }
        }
    }
    LayOutRowColumns();
}

void TMainForm1::LayOutRowColumns() {
    // What the layout depends on; a tick that changes none of it (nearly every tick) costs nothing.
    std::vector<int> widths;
    std::vector<int> basis = {Dpi(), model_.Flag(SettingsFlag::AutoWindowWidthSizing) ? 1 : 0};
    for (const toolkit::Control* label : descriptionLabels_) {
        if (label->Visible()) {
            widths.push_back(label->TextWidth());
        }
        basis.push_back(label->Visible() ? label->TextWidth() : -1);
    }
    if (basis == laidOutBasis_) {
        return;
    }
    laidOutBasis_ = std::move(basis);
    const RowColumns columns =
        orvanta::LayOutRowColumns(widths, Scale(descriptionLabels_[0]->Description().left),
                                  Scale(timeLabels_[0]->Description().left), Scale(kRowColumnGap),
                                  model_.Flag(SettingsFlag::AutoWindowWidthSizing));
    for (toolkit::Control* label : descriptionLabels_) {
        label->SetWidthLimit(columns.descriptionWidthLimit);
    }
    if (timeLabels_[0]->Bounds().left != columns.timeLeft) {
        for (toolkit::Control* label : timeLabels_) {
            label->SetLeft(columns.timeLeft);
        }
    }
    PlaceRowTips();
}

void TMainForm1::PlaceRowTips() {
    if (rowTips_ == nullptr) {
        return;
    }
    for (int row = 0; row < kLocationRowCount; ++row) {
        RECT area{};
        const toolkit::Control* description = descriptionLabels_[static_cast<std::size_t>(row)];
        const toolkit::Control* time = timeLabels_[static_cast<std::size_t>(row)];
        if (description->Visible()) {
            const RECT left = description->Bounds();
            const RECT right = time->Bounds();
            UnionRect(&area, &left, &right);
        }
        rowTips_->Place(row, area);
    }
}

// The whole description, however the row cuts it, then where the place is: its zone, how far
// ahead or behind, and its next change of clock.
std::string TMainForm1::RowTip(int row) const {
    std::string tip = descriptionLabels_.at(static_cast<std::size_t>(row))->Text();
    ZoneClocks& clocks = sources_.Clocks();
    const bool hideCurrent = model_.Flag(SettingsFlag::HideCurrentLocation);
    std::optional<Place> place;
    if (row == 0 && !hideCurrent) {
        if (const TimeZoneRules* local = clocks.LocalZone()) {
            place = Place::AtMinutes({}, 0, local->keyName);
        }
    } else {
        const auto index = static_cast<std::size_t>(hideCurrent ? row : row - 1);
        if (index < model_.Places().size() && !model_.Places()[index].IsBlank()) {
            place = model_.Places()[index];
        }
    }
    if (place) {
        for (const std::string& line : PlaceTooltipLines(*place, ReadClocks(clocks, clocks.LocalNow()), formats_)) {
            tip += "\n" + line;
        }
    }
    return tip;
}

void TMainForm1::Timer1Timer() {
    if (!FormActivate_Already_Run_CheckBox) {
        // From now on the frame shows the stored menu-bar and title-bar flags.
        FormActivate_Already_Run_CheckBox = true;
        ShowFrame();
        Auto_Size_Window();
    }
    // One reading serves the rows and the next tick's aim.
    const LocalDateTime now = sources_.Clocks().LocalNow();
    Update_Location_Rows(now);
    // A fixed 1000 ms drifts against the clock's seconds and now and then skips or repeats one.
    Timer1->SetInterval(TickInterval(now));
}

void TMainForm1::FormCloseQuery(toolkit::EventArgs& args) {
    StoreWindowGeometry();
    args.canClose = commands_.MayClose(args.endingSession);
}

void TMainForm1::SettingsOptionClick() {
    commands_.OpenSettings();
    Auto_Size_Window();
}

void TMainForm1::Generate_Time_Comparison_Table_OptionClick() {
    commands_.OpenTimeTable();
}

void TMainForm1::HelpOptionClick() {
    commands_.OpenHelp();
}

void TMainForm1::AboutOptionClick() {
    commands_.OpenAbout();
}

void TMainForm1::ExitOptionClick() {
    Close();
}

void TMainForm1::Menus_and_Title_On_Off_OptionClick() {
    Menus_and_Title_Bar_On_Off_Popup_OptionClick();
}

void TMainForm1::View_Readme_file_OptionClick() {
    commands_.ViewReadme();
}

void TMainForm1::View_Shareware_Catalog_OptionClick() {
    commands_.ViewCatalog();
}

void TMainForm1::SpareMenuClick() {
    View_Readme_file_OptionClick();
}

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {
    commands_.ToggleAutoRun();
}

void TMainForm1::Restore_Factory_Defaults_OptionClick() {
    commands_.RestoreFactoryDefaults();
}

// The pop-up menu does exactly what the menu bar does.
void TMainForm1::Settings_Popup_OptionClick() {
    SettingsOptionClick();
}
void TMainForm1::Generate_Time_Comparison_Table_PopupOptionClick() {
    Generate_Time_Comparison_Table_OptionClick();
}

void TMainForm1::PlannerOptionClick() {
    commands_.OpenPlanner();
}
void TMainForm1::Help_Popup_OptionClick() {
    HelpOptionClick();
}
void TMainForm1::HelpAbout_Popup_OptionClick() {
    AboutOptionClick();
}
void TMainForm1::Exit_Popup_OptionClick() {
    ExitOptionClick();
}

bool TMainForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The rows' tooltips cost nothing until the pointer first comes over the window.
    if (rowTips_ != nullptr) {
        rowTips_->Relay(message, wParam, lParam);
    } else if (message == WM_MOUSEMOVE) {
        rowTips_ = std::make_unique<toolkit::AreaTips>(Handle(), kLocationRowCount, Scale(kRowTipWidth),
                                                       [this](int row) { return RowTip(row); });
        PlaceRowTips();
    }
    if (message == WM_NOTIFY && rowTips_ != nullptr && rowTips_->OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
        result = 0;
        return true;
    }
    if (message == settingsWarningMessage_) {
        commands_.WarnAboutUnreadableSettings();
        result = 0;
        return true;
    }
    // Ctrl+R, as the message loop translates it.
    if (message == WM_CHAR && wParam == 'R' - '@') {
        RunHandler("Read_All_Places_Popup_OptionClick");
        result = 0;
        return true;
    }
    if (message == WM_GETOBJECT && announcer_.AnswerObjectRequest(wParam, lParam, result)) {
        return true;
    }
    // Windows announces a change of the regional settings with "intl". The message goes on to
    // DefWindowProc as well.
    if (message == WM_SETTINGCHANGE && lParam != 0 &&
        lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0) {
        formats_ = sources_.ReadRegionalFormats();
    }
    return false;
}

}  // namespace orvanta
