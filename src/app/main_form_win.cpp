#include "app/main_form_win.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "about/about_box_win.h"
#include "app/application_win.h"
#include "app/settings_file_access_win.h"
#include "appearance/window_appearance_win.h"
#include "appearance/window_fitting.h"
#include "core/clock_tick.h"
#include "core/design_units.h"
#include "core/place_zones.h"
#include "core/program_titles.h"
#include "core/settings_file.h"
#include "core/window_placement.h"
#include "desktop/auto_run.h"
#include "desktop/documents.h"
#include "forms/main_form.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table_win.h"
#include "toolkit/profile_ini_store.h"
#include "toolkit/staged_ini_store.h"

namespace orvanta {

using toolkit::Bind;

namespace {

// A settings file that could not be read gives every key its default, as a missing one does.
class NoSettingsFile final : public IniStore {
  public:
    explicit NoSettingsFile(std::string path) : path_(std::move(path)) {}
    std::string ReadString(std::string_view, std::string_view defaultValue) override {
        return std::string(defaultValue);
    }
    bool WriteString(std::string_view, std::string_view) override { return false; }
    bool DeleteKey(std::string_view) override { return false; }
    const std::string& Path() const override { return path_; }

  private:
    std::string path_;
};

}  // namespace

TMainForm1::TMainForm1(OrvantaApp& app)
    : Form(forms::MainForm1Description()),
      app_(app),
      model_(app.Model()),
      settingsWarningMessage_(RegisterWindowMessageW(L"OrvantaUnreadableSettingsWarning")),
      subscription_(model_, [this](SettingsChange change, SettingsFlag flag) { ModelChanged(change, flag); }) {
    formats_ = app_.Ports().regionalFormats();
    SetEndsApplication(true);
    Create(
        {
            {"FormShow", Bind(this, &TMainForm1::FormShow)},
            {"FormCloseQuery", Bind(this, &TMainForm1::FormCloseQuery)},
            {"Timer1Timer", Bind(this, &TMainForm1::Timer1Timer)},
            {"SettingsOptionClick", Bind(this, &TMainForm1::SettingsOptionClick)},
            {"Always_On_Top_OptionClick", Bind(this, &TMainForm1::Always_On_Top_OptionClick)},
            {"Auto_Run_at_Windows_Startup_OptionClick",
             Bind(this, &TMainForm1::Auto_Run_at_Windows_Startup_OptionClick)},
            {"Restore_Factory_Defaults_OptionClick", Bind(this, &TMainForm1::Restore_Factory_Defaults_OptionClick)},
            {"Generate_Time_Comparison_Table_OptionClick",
             Bind(this, &TMainForm1::Generate_Time_Comparison_Table_OptionClick)},
            {"Menus_and_Title_On_Off_OptionClick", Bind(this, &TMainForm1::Menus_and_Title_On_Off_OptionClick)},
            {"ExitOptionClick", Bind(this, &TMainForm1::ExitOptionClick)},
            {"HelpOptionClick", Bind(this, &TMainForm1::HelpOptionClick)},
            {"View_Readme_file_OptionClick", Bind(this, &TMainForm1::View_Readme_file_OptionClick)},
            {"View_Shareware_Catalog_OptionClick", Bind(this, &TMainForm1::View_Shareware_Catalog_OptionClick)},
            {"AboutOptionClick", Bind(this, &TMainForm1::AboutOptionClick)},
            {"SpareMenuClick", Bind(this, &TMainForm1::SpareMenuClick)},
            {"Menus_and_Title_Bar_On_Off_Popup_OptionClick",
             Bind(this, &TMainForm1::Menus_and_Title_Bar_On_Off_Popup_OptionClick)},
            {"Settings_Popup_OptionClick", Bind(this, &TMainForm1::Settings_Popup_OptionClick)},
            {"Generate_Time_Comparison_Table_PopupOptionClick",
             Bind(this, &TMainForm1::Generate_Time_Comparison_Table_PopupOptionClick)},
            {"Help_Popup_OptionClick", Bind(this, &TMainForm1::Help_Popup_OptionClick)},
            {"HelpAbout_Popup_OptionClick", Bind(this, &TMainForm1::HelpAbout_Popup_OptionClick)},
            {"Exit_Popup_OptionClick", Bind(this, &TMainForm1::Exit_Popup_OptionClick)},
        },
        nullptr);
    BindRows();
    BindComponents({}, {
                           {"FileMenu", &FileMenu},
                           {"HelpMenu", &HelpMenu},
                           {"SpareMenu", &SpareMenu},
                           {"About1", &About1},
                           {"Always_On_Top_Option", &Always_On_Top_Option},
                           {"Auto_Run_at_Windows_Startup_Option", &Auto_Run_at_Windows_Startup_Option},
                           {"Menus_and_Title_Bar_On_Off_Popup_Option", &Menus_and_Title_Bar_On_Off_Popup_Option},
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
    const bool everything = change == SettingsChange::Everything;
    if (RowsFollow(change, flag)) {
        Update_Location_Rows();
    }
    if (everything || (change == SettingsChange::Flag && flag == SettingsFlag::AlwaysOnTop)) {
        ShowAlwaysOnTop();
    }
    if (everything || (change == SettingsChange::Flag && flag == SettingsFlag::AutoRunAtWindowsStartup)) {
        Auto_Run_at_Windows_Startup_Option->SetChecked(model_.Flag(SettingsFlag::AutoRunAtWindowsStartup));
    }
}

void TMainForm1::FormShow() {
    // A window shown again (restored, or re-created by a change of border) keeps its state.
    if (FormShow_Already_Run_CheckBox) {
        return;
    }
    Initialise_From_Settings_File();
}

void TMainForm1::Initialise_From_Settings_File(FirstShowing reason) {
    // The saved size is applied to the menu bar as it will be shown: with the spare entry still in
    // it, a narrow window wraps the bar onto a second line, the client height is measured under
    // that line, and the window grows by one line at every start.
    HideSpareMenuEntries();
    const SettingsStartup startup = ReadSettingsFile(reason);
    ShowWindowGeometry();
    if (startup.widenToFirstRow) {
        FitClientToRows(*this, fittingLabels_, {.width = true}, FitDirection::WidenOnly);
    }
    KeepOnScreen();
    Set_Program_Titles();
    if (reason == FirstShowing::Start) {
        // The show state a shortcut asked for belongs to the start; a reset has just restored the
        // window and must not minimise it again.
        Apply_Startup_Show_State();
    }
    // The registry decides, whatever the settings file said; this may ask the user first.
    model_.SetFlag(SettingsFlag::AutoRunAtWindowsStartup, Check_Auto_Run_Path(app_.AutoRunOperations()));
    FormShow_Already_Run_CheckBox = true;
    if (startup.warn) {
        PostMessageW(Handle(), settingsWarningMessage_, 0, 0);
    }
}

// Reading the file replaces the whole model, so every view shows it at once: the rows are filled
// before a show state or a question can show the window, and the user never sees the design's
// placeholders.
SettingsStartup TMainForm1::ReadSettingsFile(FirstShowing reason) {
    const std::string path = app_.SettingsFilePath();
    const auto& pause = app_.Ports().pause;
    const SettingsFileState state = WaitForSettingsFile(
        [&path] { return LookAtSettingsFile(path); },
        [&pause](unsigned milliseconds) { pause ? pause(milliseconds) : Sleep(milliseconds); }, reason);
    const SettingsStartup startup = DecideSettingsStartup(state, reason);
    keepSettingsFileUntouched_ = startup.keepFileUntouched;

    Settings read;
    if (startup.readFile) {
        toolkit::ProfileIniStore store(path, kSettingsSection);
        read = ReadSettings(store);
    }
    if (reason == FirstShowing::FactoryReset) {
        // A reset keeps the places the window holds; a settings file that outlived it lists them
        // too, and taking them again would double every place.
        read.places = model_.Places();
    }
    // Where the user left the settings dialog is not the file's to say.
    read.settingsPage = model_.Get().settingsPage;
    model_.Replace(std::move(read));
    return startup;
}

// The file keeps 96-DPI units; the window takes pixels.
void TMainForm1::ShowWindowGeometry() {
    const Settings& settings = model_.Get();
    SetWindowTop(DesignUnitsToPixels(settings.windowTop, Dpi()));
    SetWindowLeft(DesignUnitsToPixels(settings.windowLeft, Dpi()));
    SetClientWidth(DesignUnitsToPixels(settings.clientWidth, Dpi()));
    SetClientHeight(DesignUnitsToPixels(settings.clientHeight, Dpi()));
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
    SetWindowLeft(moved.left);
    SetWindowTop(moved.top);
}

void TMainForm1::Set_Program_Titles() {
    SetCaption(kProgramTitle);
    app_.Set_About_Startup_Texts(app_.Ports().clock().Split().year);
    HideSpareMenuEntries();
}

void TMainForm1::HideSpareMenuEntries() {
    SpareMenu->SetCaption("");
    SpareMenu->SetVisible(false);
    About1->SetVisible(false);
}

void TMainForm1::Apply_Startup_Show_State() {
    const auto& state = app_.Ports().startupShowState;
    // A clock started hidden could never be reached again: every other state is honoured.
    if (state.has_value() && *state != SW_HIDE) {
        ShowWindow(Handle(), *state);
    }
}

void TMainForm1::Update_Location_Rows() {
    Update_Location_Rows(app_.Ports().clock());
}

void TMainForm1::Update_Location_Rows(const LocalDateTime& now) {
    const std::optional<ClockReading> reading = ReadClocksFor(app_, model_.Places(), now);
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
}

void TMainForm1::Timer1Timer() {
    if (!FormActivate_Already_Run_CheckBox) {
        // Marked first: the toggles handle pending messages, and a tick among them must not start
        // this work again and take the menu bar's height off twice.
        FormActivate_Already_Run_CheckBox = true;
        Apply_Stored_Menus_And_Title_Bar();
        Auto_Size_Window();
    }
    // One reading serves the rows and the next tick's aim.
    const LocalDateTime now = app_.Ports().clock();
    Update_Location_Rows(now);
    // A fixed 1000 ms drifts against the clock's seconds and now and then skips or repeats one.
    Timer1->SetInterval(MillisecondsToNextTick(now));
}

bool TMainForm1::Write_Settings_File() {
    StoreWindowGeometry();
    // Staged: the old file stays as it was unless every value reached the new one.
    toolkit::StagedIniStore store(app_.SettingsFilePath(), kSettingsSection);
    // Each place that follows a zone is saved at its present offset, for versions that know no zones.
    const std::optional<ClockReading> reading = ReadClocksFor(app_, model_.Places(), app_.Ports().clock());
    const Settings saved = WithPresentOffsets(model_.Get(), reading ? &*reading : nullptr);
    if (!(WriteSettings(store, saved).written && store.Commit())) {
        app_.Dialogs().Fail(UnableToWriteMessage(store.Path()));
        return false;
    }
    return true;
}

void TMainForm1::FormCloseQuery(toolkit::EventArgs& args) {
    if (FrameChangeUnderWay(&args)) {
        return;
    }
    // The user was told at start-up that the settings in the file could not be read and that it
    // would not be saved over: the places in it are still the user's.
    // When Windows ends the session it asks this too, and ends regardless: nothing to ask then.
    if (keepSettingsFileUntouched_ || Write_Settings_File() || args.endingSession) {
        return;
    }
    // Refusing every close would leave the user a clock that only the Task Manager can end; refusing
    // by default still lets the cause be fixed (a read-only folder, say) and the close tried again.
    args.canClose = app_.Dialogs().Show(MessageKind::Warning, kCloseWithoutSavingQuestion, ButtonSet::YesNo,
                                        DialogButton::No) == DialogButton::Yes;
}

void TMainForm1::SettingsOptionClick() {
    app_.OptionsSetup().Open();
    Auto_Size_Window();
}

void TMainForm1::Generate_Time_Comparison_Table_OptionClick() {
    app_.TimeTable().ShowModal();
}

void TMainForm1::HelpOptionClick() {
    app_.HelpBox().ShowModal();
}

void TMainForm1::AboutOptionClick() {
    app_.AboutBox().ShowModal();
}

void TMainForm1::ExitOptionClick() {
    Close();
}

void TMainForm1::Menus_and_Title_On_Off_OptionClick() {
    Menus_and_Title_Bar_On_Off_Popup_OptionClick();
}
// The document commands tell the user in an information box what is missing.
void TMainForm1::View_Readme_file_OptionClick() {
    if (const auto message = View_Readme_File(app_.ShellPort(), app_.Ports().executablePath)) {
        app_.Dialogs().Inform(*message);
    }
}
void TMainForm1::View_Shareware_Catalog_OptionClick() {
    // The about window's product line, which always shows the program's title.
    if (const auto message = View_Catalog_File(app_.ShellPort(), app_.Ports().executablePath, kProgramTitle)) {
        app_.Dialogs().Inform(*message);
    }
}
void TMainForm1::SpareMenuClick() {
    View_Readme_file_OptionClick();
}
void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {
    model_.SetFlag(
        SettingsFlag::AutoRunAtWindowsStartup,
        AutoRunCheckAfterClick(model_.Flag(SettingsFlag::AutoRunAtWindowsStartup), app_.AutoRunOperations()));
}

// The pop-up menu does exactly what the menu bar does.
void TMainForm1::Settings_Popup_OptionClick() {
    SettingsOptionClick();
}
void TMainForm1::Generate_Time_Comparison_Table_PopupOptionClick() {
    Generate_Time_Comparison_Table_OptionClick();
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

bool TMainForm1::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == settingsWarningMessage_) {
        app_.Dialogs().Warn(UnreadableSettingsMessage(app_.SettingsFilePath()));
        result = 0;
        return true;
    }
    // Windows announces a change of the regional settings with "intl". The message goes on to
    // DefWindowProc as well.
    if (message == WM_SETTINGCHANGE && lParam != 0 &&
        lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0) {
        formats_ = app_.Ports().regionalFormats();
    }
    return false;
}

}  // namespace orvanta
