#pragma once

#include <array>
#include <vector>

#include "core/local_datetime.h"
#include "core/location_rows.h"
#include "core/regional_formats.h"
#include "core/settings_file_guard.h"
#include "core/settings_model.h"
#include "toolkit/form.h"

namespace orvanta {

class OrvantaApp;

// The main window: a view of the settings model's rows and flags, the menus that open every other
// window, and the settings file read at the first showing and written at every close request.
class TMainForm1 final : public toolkit::Form {
  public:
    explicit TMainForm1(OrvantaApp& app);

    // Flags of the window's own progress; plain members, as nothing shows them.
    bool FormShow_Already_Run_CheckBox = false;
    bool FormActivate_Already_Run_CheckBox = false;

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
    const RegionalFormats& Formats() const { return formats_; }

    // Fits the client area to the visible rows, as far as the two sizing options ask.
    void Auto_Size_Window();
    // Each flips its flag in the model and applies it; left, top and client size stay as they are.
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
    void BindRows();
    void ModelChanged(SettingsChange change, SettingsFlag flag);
    void ShowAlwaysOnTop();
    // The window's place and client size, as the model keeps them, and back.
    void ShowWindowGeometry();
    void StoreWindowGeometry();
    void KeepOnScreen();
    // Puts back the menu-bar and title-bar flags read from the settings file (first tick).
    void Apply_Stored_Menus_And_Title_Bar();
    void HideSpareMenuEntries();
    SettingsStartup ReadSettingsFile(FirstShowing reason);
    // A change of frame handles pending messages; a close or another switch among them waits.
    bool FrameChangeUnderWay(toolkit::EventArgs* closeArgs);
    void EndFrameChange();

    OrvantaApp& app_;
    SettingsModel& model_;
    RegionalFormats formats_;
    bool keepSettingsFileUntouched_ = false;
    // Posted to itself, so the warning about an unreadable file stands over a window already shown.
    const UINT settingsWarningMessage_;
    int frameChangeDepth_ = 0;
    bool closeWaiting_ = false;
    bool switchWaiting_ = false;

    std::array<toolkit::Control*, kLocationRowCount> descriptionLabels_{};
    std::array<toolkit::Control*, kLocationRowCount> timeLabels_{};
    std::vector<toolkit::Control*> fittingLabels_;  // the row labels in the order the fitting visits them
    toolkit::Timer* Timer1 = nullptr;
    toolkit::MenuItem* FileMenu = nullptr;
    toolkit::MenuItem* HelpMenu = nullptr;
    toolkit::MenuItem* SpareMenu = nullptr;
    toolkit::MenuItem* About1 = nullptr;
    toolkit::MenuItem* Always_On_Top_Option = nullptr;
    toolkit::MenuItem* Auto_Run_at_Windows_Startup_Option = nullptr;
    toolkit::MenuItem* Menus_and_Title_Bar_On_Off_Popup_Option = nullptr;
    // The subscription is the last member: it ends before anything it reaches.
    SettingsSubscription subscription_;
};

}  // namespace orvanta
