#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_host.h"
#include "core/local_datetime.h"
#include "core/location_rows.h"
#include "core/regional_formats.h"
#include "core/settings_model.h"
#include "ports/message_dialogs.h"
#include "toolkit/announcer.h"
#include "toolkit/area_tips.h"
#include "toolkit/form.h"

namespace orvanta {

// The main window: a view of the settings model's rows, flags, frame and place, and the menus
// that start every command.
class TMainForm1 final : public toolkit::Form {
  public:
    TMainForm1(SettingsModel& model, MainWindowSources& sources, MainWindowCommands& commands, MessageDialogs& dialogs);

    // Flags of the window's own progress; plain members, as nothing shows them.
    bool FormShow_Already_Run_CheckBox = false;
    bool FormActivate_Already_Run_CheckBox = false;

    void Update_Location_Rows();
    // The rows at a moment already read from the clock.
    void Update_Location_Rows(const LocalDateTime& now);
    void Set_Program_Titles();
    void Apply_Startup_Show_State();
    const RegionalFormats& Formats() const { return formats_; }

    // Fits the client area to the visible rows, as far as the two sizing options ask.
    void Auto_Size_Window();
    // Each flips its flag in the model, which the frame follows.
    void Toggle_Title_Bar();
    void Toggle_Menus();
    void Toggle_Always_On_Top();

    // The window's place and client size into the model, in 96-DPI units.
    void StoreWindowGeometry();
    // How the settings just read are shown: the window back from a minimised or maximised state
    // (a factory reset), and a first row that needs more room than a fresh window has.
    void ShowSettingsRead(const SettingsShown& shown);

    // Handlers.
    void FormShow();
    void FormCloseQuery(toolkit::EventArgs& args);
    void Timer1Timer();
    void SettingsOptionClick();
    void Always_On_Top_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void Generate_Time_Comparison_Table_OptionClick();
    void PlannerOptionClick();
    void Menus_and_Title_On_Off_OptionClick();
    void ExitOptionClick();
    void HelpOptionClick();
    void View_Readme_file_OptionClick();
    void View_Shareware_Catalog_OptionClick();
    void AboutOptionClick();
    void SpareMenuClick();
    void Menus_and_Title_Bar_On_Off_Popup_OptionClick();
    void Settings_Popup_OptionClick();
    void Generate_Time_Comparison_Table_PopupOptionClick();
    void Help_Popup_OptionClick();
    void HelpAbout_Popup_OptionClick();
    void Exit_Popup_OptionClick();
    // Every shown row's description and time, said once by a screen reader or else copied.
    void Read_All_Places_Popup_OptionClick();

  private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void BindRows();
    void ModelChanged(SettingsChange change, SettingsFlag flag);
    // The frame the model asks for: title bar and border, menu bar, and the topmost band. The
    // stored menu-bar and title-bar flags take effect from the first tick on.
    void ShowFrame();
    void ShowAlwaysOnTop();
    // The window's place and client size, as the model keeps them.
    void ShowWindowGeometry();
    void KeepOnScreen();
    void HideSpareMenuEntries();
    // No time is hidden by its description: the time column moves past a long one in a window that
    // fits its width, and the descriptions are cut short of it in any other.
    void LayOutRowColumns();
    // The rows' tooltips: made when the pointer first moves over the window, placed on the rows.
    void PlaceRowTips();
    std::string RowTip(int row) const;

    SettingsModel& model_;
    MainWindowSources& sources_;
    MainWindowCommands& commands_;
    MessageDialogs& dialogs_;
    RegionalFormats formats_;
    // Posted to itself, so the warning about an unreadable file stands over a window already shown.
    const UINT settingsWarningMessage_;

    std::array<toolkit::Control*, kLocationRowCount> descriptionLabels_{};
    std::array<toolkit::Control*, kLocationRowCount> timeLabels_{};
    std::vector<toolkit::Control*> fittingLabels_;  // the row labels in the order the fitting visits them
    std::unique_ptr<toolkit::AreaTips> rowTips_;
    std::vector<int> laidOutBasis_;  // what the rows' columns were last laid out from
    toolkit::Timer* Timer1 = nullptr;
    toolkit::MenuItem* FileMenu = nullptr;
    toolkit::MenuItem* HelpMenu = nullptr;
    toolkit::MenuItem* SpareMenu = nullptr;
    toolkit::MenuItem* About1 = nullptr;
    toolkit::MenuItem* Always_On_Top_Option = nullptr;
    toolkit::MenuItem* Auto_Run_at_Windows_Startup_Option = nullptr;
    toolkit::Announcer announcer_;
    // The subscription is the last member: it ends before anything it reaches.
    SettingsSubscription subscription_;
};

}  // namespace orvanta
