#include "app/main_form_win.h"

#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "about/about_box_win.h"
#include "app/application_win.h"
#include "core/clock_tick.h"
#include "core/design_units.h"
#include "core/location_rows.h"
#include "core/program_titles.h"
#include "app/settings_file_access_win.h"
#include "core/window_placement.h"
#include "desktop/auto_run.h"
#include "desktop/documents.h"
#include "forms/main_form.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table_win.h"
#include "toolkit/profile_ini_store.h"

namespace orvanta {

using toolkit::Bind;

namespace {

// The flags the main window keeps in plain members, by the names the flag table gives them.
bool TMainForm1::*FlagMember(std::string_view name) {
    if (name == "Menus_Off_CheckBox") {
        return &TMainForm1::Menus_Off_CheckBox;
    }
    if (name == "Title_Bar_Off_CheckBox") {
        return &TMainForm1::Title_Bar_Off_CheckBox;
    }
    throw std::logic_error("The main window holds no flag named " + std::string(name));
}

// A plain member seen through the same two calls as a check box or a menu check mark.
template <typename Bool>
class MemberFlag {
  public:
    explicit MemberFlag(Bool& value) : value_(value) {}
    bool Checked() const { return value_; }
    void SetChecked(bool checked) { value_ = checked; }

  private:
    Bool& value_;
};

// Hands the holder of a flag to `use`; reading the settings file and taking the snapshot for
// writing both find their holders here. The main window is const where the flags are only read.
template <typename MainForm, typename Use>
void UseFlagHolder(MainForm& mainForm, const TOptions_Setup& options, const SettingsFlagField& field, Use use) {
    switch (field.holder) {
        case FlagHolder::MainFormMember: {
            MemberFlag member(mainForm.*FlagMember(field.holderName));
            use(member);
            break;
        }
        case FlagHolder::SettingsCheckBox:
            use(options.Component(field.holderName));
            break;
        case FlagHolder::MenuCheckMark:
            use(mainForm.MenuEntry(field.holderName));
            break;
    }
}

// A settings file that could not be read gives every key its default, as a missing one does.
class NoSettingsFile final : public IniStore {
  public:
    explicit NoSettingsFile(std::string path) : path_(std::move(path)) {}
    std::string ReadString(std::string_view, std::string_view defaultValue) override {
        return std::string(defaultValue);
    }
    bool WriteString(std::string_view, std::string_view) override { return false; }
    const std::string& Path() const override { return path_; }

  private:
    std::string path_;
};

// Puts each value into its control as soon as it is read.
class ControlsSettingsTarget final : public SettingsTarget {
  public:
    ControlsSettingsTarget(TMainForm1& mainForm, TOptions_Setup& options, bool appendLocations)
        : main_(mainForm), options_(options), appendLocations_(appendLocations) {}

    // The file keeps 96-DPI units; the window takes pixels.
    void SetWindowTop(int top) override { main_.SetWindowTop(Pixels(top)); }
    void SetWindowLeft(int left) override { main_.SetWindowLeft(Pixels(left)); }
    void SetClientWidth(int width) override { main_.SetClientWidth(Pixels(width)); }
    void SetClientHeight(int height) override { main_.SetClientHeight(Pixels(height)); }
    void SetCurrentLocationCaption(const std::string& caption) override {
        auto& editBox = options_.Component("Current_Location_EditBox");
        editBox.SetText(caption);
        main_.Component("Other_Location_Label_0").SetText(editBox.Text());
    }
    void AppendLocation(const std::string& entry) override {
        if (appendLocations_) {
            options_.Component("Other_Locations_ListBox").AddItem(entry);
        }
    }
    void SetFlag(SettingsFlag flag, bool set) override {
        UseFlagHolder(main_, options_, FieldOf(flag), [set](auto& holder) { holder.SetChecked(set); });
    }

  private:
    int Pixels(int designUnits) const { return DesignUnitsToPixels(designUnits, main_.Dpi()); }

    TMainForm1& main_;
    TOptions_Setup& options_;
    bool appendLocations_;
};

}  // namespace

TMainForm1::TMainForm1(OrvantaApp& app)
    : Form(forms::MainForm1Description()),
      app_(app),
      settingsWarningMessage_(RegisterWindowMessageW(L"OrvantaUnreadableSettingsWarning")) {
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
    KeepOnScreen();
    Set_Program_Titles();
    app_.HelpBox().SetCaption(kHelpTitle);
    if (reason == FirstShowing::Start) {
        // The rows from what was just read, before a show state or a question can show the window:
        // a user never sees the design's placeholders. The first tick still does its own work.
        Update_Location_Rows();
        // The show state a shortcut asked for belongs to the start; a reset has just restored the
        // window and must not minimise it again.
        Apply_Startup_Show_State();
    }
    // Inverted, then toggled back: the window's band is set explicitly either way.
    auto& alwaysOnTop = MenuEntry("Always_On_Top_Option");
    alwaysOnTop.SetChecked(!alwaysOnTop.Checked());
    Toggle_Always_On_Top();
    // The registry decides, whatever the settings file said; this may ask the user first.
    MenuEntry("Auto_Run_at_Windows_Startup_Option").SetChecked(Check_Auto_Run_Path(app_.AutoRunOperations()));
    FormShow_Already_Run_CheckBox = true;
    if (startup.warn) {
        PostMessageW(Handle(), settingsWarningMessage_, 0, 0);
    }
}

SettingsStartup TMainForm1::ReadSettingsFile(FirstShowing reason) {
    const std::string path = app_.SettingsFilePath();
    const auto& pause = app_.Ports().pause;
    const SettingsFileState state = WaitForSettingsFile(
        [&path] { return LookAtSettingsFile(path); },
        [&pause](unsigned milliseconds) { pause ? pause(milliseconds) : Sleep(milliseconds); }, reason);
    const SettingsStartup startup = DecideSettingsStartup(state, reason);
    keepSettingsFileUntouched_ = startup.keepFileUntouched;

    // A settings file that outlived a reset still lists the locations the window already holds:
    // appending them again would double every place.
    ControlsSettingsTarget target(*this, app_.OptionsSetup(), reason == FirstShowing::Start);
    if (startup.readFile) {
        toolkit::ProfileIniStore store(path, kSettingsSection);
        ReadSettings(store, target);
    } else {
        NoSettingsFile defaults(path);
        ReadSettings(defaults, target);
    }
    return startup;
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
    auto& spare = MenuEntry("SpareMenu");
    spare.SetCaption("");
    spare.SetVisible(false);
    MenuEntry("About1").SetVisible(false);
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
    auto& options = app_.OptionsSetup();
    LocationModel model;
    model.currentLocationCaption = options.Component("Current_Location_EditBox").Text();
    model.entries = options.Component("Other_Locations_ListBox").Items();
    model.showDates = options.Component("Show_Dates_and_Times_CheckBox").Checked();
    model.hideCurrentLocation = options.Component("Hide_Current_Location_CheckBox").Checked();
    const LocationRowsPlan plan = PlanLocationRows(model, now, formats_);

    const std::string_view descriptionPrefix = forms::kRowDescriptionPrefix;
    for (const auto& label : Components()) {
        if (!label->Name().starts_with(forms::kRowLabelPrefix) || label->Tag() < 0 ||
            label->Tag() >= kLocationRowCount) {
            continue;
        }
        const RowPlan& row = plan[static_cast<std::size_t>(label->Tag())];
        switch (row.action) {
            case RowAction::Show:
                label->SetText(label->Name().starts_with(descriptionPrefix) ? row.description : row.time);
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

void TMainForm1::Timer1Timer() {
    if (!FormActivate_Already_Run_CheckBox) {
        // Marked first: the toggles handle pending messages, and a tick among them must not start
        // this work again and take the menu bar's height off twice.
        FormActivate_Already_Run_CheckBox = true;
        Apply_Stored_Menus_And_Title_Bar();
        Update_Location_Rows();
        Auto_Size_Window();
    }
    // One reading serves the rows and the next tick's aim.
    const LocalDateTime now = app_.Ports().clock();
    Update_Location_Rows(now);
    // A fixed 1000 ms drifts against the clock's seconds and now and then skips or repeats one.
    TimerNamed("Timer1").SetInterval(MillisecondsToNextTick(now));
}

SettingsSnapshot TMainForm1::CurrentSettings() const {
    const auto& options = app_.OptionsSetup();
    SettingsSnapshot settings;
    const RECT bounds = WindowBounds();
    const SIZE client = ClientSize();
    settings.windowTop = PixelsToDesignUnits(bounds.top, Dpi());
    settings.windowLeft = PixelsToDesignUnits(bounds.left, Dpi());
    settings.clientWidth = PixelsToDesignUnits(client.cx, Dpi());
    settings.clientHeight = PixelsToDesignUnits(client.cy, Dpi());
    settings.currentLocationCaption = options.Component("Current_Location_EditBox").Text();
    settings.locations = options.Component("Other_Locations_ListBox").Items();
    for (const auto& field : kSettingsFlagFields) {
        UseFlagHolder(*this, options, field, [&](const auto& holder) {
            settings.flags[static_cast<std::size_t>(field.flag)] = holder.Checked();
        });
    }
    return settings;
}

bool TMainForm1::Write_Settings_File() {
    toolkit::ProfileIniStore store(app_.SettingsFilePath(), kSettingsSection);
    if (!WriteSettings(store, CurrentSettings()).written) {
        app_.Dialogs().Fail(UnableToWriteMessage(store.Path()));
        return false;
    }
    return true;
}

void TMainForm1::FormCloseQuery(toolkit::EventArgs& args) {
    // The user was told at start-up that the settings in the file could not be read and that it
    // would not be saved over: the places in it are still the user's.
    if (keepSettingsFileUntouched_) {
        return;
    }
    // Closing after a failed write would lose every change of this run; the user can fix the
    // cause and close again. When Windows ends the session it asks this too, and ends regardless.
    if (!Write_Settings_File()) {
        args.canClose = false;
    }
}

void TMainForm1::SettingsOptionClick() {
    app_.OptionsSetup().ShowModal();
    Update_Location_Rows();
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
    const std::string product = app_.AboutBox().Component("Product_Name_Label").Text();
    if (const auto message = View_Catalog_File(app_.ShellPort(), app_.Ports().executablePath, product)) {
        app_.Dialogs().Inform(*message);
    }
}
void TMainForm1::SpareMenuClick() {
    View_Readme_file_OptionClick();
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
