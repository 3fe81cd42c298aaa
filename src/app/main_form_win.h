#pragma once

#include "core/local_datetime.h"
#include "core/regional_formats.h"
#include "core/settings_file.h"
#include "core/settings_file_guard.h"
#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

// The main window: the clock rows, the menus, and the settings file read at the first showing and
// written at every close request.
class TMainForm1 final : public toolkit::Form {
  public:
    explicit TMainForm1(OrvantaApp& app);

    // Flags that the user never sees; plain members, as nothing shows them.
    bool FormShow_Already_Run_CheckBox = false;
    bool FormActivate_Already_Run_CheckBox = false;
    bool Menus_Off_CheckBox = false;
    bool Title_Bar_Off_CheckBox = false;

    void Update_Location_Rows();
    // The rows at a moment already read from the clock.
    void Update_Location_Rows(const LocalDateTime& now);
    void Set_Program_Titles();
    void Apply_Startup_Show_State();
    // The first showing's work: settings file, titles, show state, the auto-run check. Runs
    // whatever the guard says; a factory reset neither waits for nor guards a file it could not read.
    void Initialise_From_Settings_File(FirstShowing reason = FirstShowing::Start);
    // Writes the settings file; on failure tells the user and answers false.
    bool Write_Settings_File();
    // True after a start-up that could not read the file: the close leaves it as it is.
    bool KeepsSettingsFileUntouched() const { return keepSettingsFileUntouched_; }
    SettingsSnapshot CurrentSettings() const;
    const RegionalFormats& Formats() const { return formats_; }

    // Fits the client area to the visible rows, as far as the two sizing options ask.
    void Auto_Size_Window();
    // Each flips its flag and applies it; left, top and client size stay as they are.
    void Toggle_Title_Bar();
    void Toggle_Menus();
    void Toggle_Always_On_Top();

    // Handlers.
    void FormShow();
    void FormCloseQuery(toolkit::EventArgs& args);
    void Timer1Timer();
    void SettingsOptionClick();
    void Always_On_Top_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void Generate_Time_Comparison_Table_OptionClick();
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

  private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void KeepOnScreen();
    // Puts back the menu-bar and title-bar flags read from the settings file (first tick).
    void Apply_Stored_Menus_And_Title_Bar();
    void HideSpareMenuEntries();
    SettingsStartup ReadSettingsFile(FirstShowing reason);

    OrvantaApp& app_;
    RegionalFormats formats_;
    bool keepSettingsFileUntouched_ = false;
    // Posted to itself, so the warning about an unreadable file stands over a window already shown.
    const UINT settingsWarningMessage_;
};

}  // namespace orvanta
