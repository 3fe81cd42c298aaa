#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_host.h"
#include "core/local_datetime.h"
#include "core/place_zones.h"
#include "core/regional_formats.h"
#include "core/settings_file_guard.h"
#include "core/settings_model.h"
#include "desktop/auto_run.h"
#include "ports/registry.h"
#include "ports/system_preferences.h"
#include "toolkit/uncaught_errors.h"
#include "toolkit/win_message_dialogs.h"
#include "toolkit/win_shell.h"

namespace orvanta {

class TMainForm1;
class TOptions_Setup;
class TAboutBox;
class THelpBox;
class TTime_Table;
class TPlanner;

// Everything the program takes from its surroundings. Tests pass their own: a temporary
// executable path, a fixed clock, scripted dialogs.
struct AppPorts {
    std::string executablePath;
    std::function<LocalDateTime()> clock;
    // Universal time, read only while some place follows a zone.
    std::function<LocalDateTime()> universalClock;
    std::function<RegionalFormats()> regionalFormats;
    MessageDialogs* dialogs = nullptr;  // not owned; nullptr: the real message dialogs
    Shell* shell = nullptr;             // not owned; nullptr: the Windows shell
    std::optional<int> startupShowState;
    RegistryFactory registry;  // empty: the real registry
    // Waits between looks at a settings file another program holds; empty: the thread sleeps.
    std::function<void(unsigned milliseconds)> pause;
    // High contrast, the apps' theme and the screen reader; not owned; nullptr: Windows' own.
    const SystemPreferences* preferences = nullptr;
};

// The ports of the running program.
AppPorts SystemPorts();

// The program: the settings model and its file, the ports and its five windows. The main window is
// made at start; the settings dialog, the table, the about and the help window the first time they
// are opened, and each lives until the program ends.
class OrvantaApp final : public ZoneClocks, MainWindowSources, MainWindowCommands {
  public:
    explicit OrvantaApp(AppPorts ports);
    OrvantaApp(const OrvantaApp&) = delete;
    OrvantaApp& operator=(const OrvantaApp&) = delete;
    ~OrvantaApp() override;

    SettingsModel& Model() { return model_; }
    const SettingsModel& Model() const { return model_; }

    TMainForm1& MainForm() const { return *mainForm_; }
    TOptions_Setup& OptionsSetup();
    TAboutBox& AboutBox();
    THelpBox& HelpBox();
    TTime_Table& TimeTable();
    TPlanner& Planner();

    const AppPorts& Ports() const { return ports_; }
    MessageDialogs& Dialogs() const { return *dialogs_; }
    Shell& ShellPort() const { return *shell_; }
    // Errors that no handler of any window caught: one error box at a time.
    const toolkit::UncaughtErrors& UncaughtErrors() const { return uncaughtErrors_; }
    std::string SettingsFilePath() const;
    // What the auto-run operations work on: the registry, the dialogs and the running executable.
    AutoRun AutoRunOperations() const;

    LocalDateTime LocalNow() override { return ports_.clock(); }
    LocalDateTime UniversalNow() override { return ports_.universalClock(); }
    const std::vector<TimeZoneRules>& FinderZones() override;
    const std::vector<TimeZoneRules>& PlacesZones() override;
    const TimeZoneRules* LocalZone() override;

    // Writes the settings file from the model, the window's place and size included; on failure
    // tells the user and answers false.
    bool SaveSettingsFile();
    // True after a start-up that could not read the file: the close leaves it as it is.
    bool KeepsSettingsFileUntouched() const { return keepSettingsFileUntouched_; }

    // Shows the main window for the first time, as entering the message loop does.
    void ShowMainForm();
    // Shows the main window and runs the message loop until it has closed.
    int Run();

  private:
    // What the main window shows and the commands it starts.
    ZoneClocks& Clocks() override { return *this; }
    RegionalFormats ReadRegionalFormats() override { return ports_.regionalFormats(); }
    std::optional<int> StartupShowState() override { return ports_.startupShowState; }
    SettingsShown LoadSettingsAtStart() override;
    SettingsStartup LoadSettings(FirstShowing reason);
    void CheckAutoRun() override;
    void WarnAboutUnreadableSettings() override;
    bool MayClose(bool endingSession) override;
    void RestoreFactoryDefaults() override;
    void ToggleAutoRun() override;
    void OpenSettings() override;
    void OpenTimeTable() override;
    void OpenPlanner() override;
    void OpenHelp() override;
    void OpenAbout() override;
    void ViewReadme() override;
    void ViewCatalog() override;

    // Every window but the main one is made here, when first opened.
    template <typename Window, typename... Arguments>
    Window& Lazily(std::unique_ptr<Window>& window, Arguments&&... arguments);

    AppPorts ports_;
    SettingsModel model_;
    toolkit::WinMessageDialogs realDialogs_;
    MessageDialogs* dialogs_;
    toolkit::WinShell realShell_;
    Shell* shell_;
    const SystemPreferences* preferences_;
    toolkit::UncaughtErrors uncaughtErrors_;
    std::unique_ptr<TMainForm1> mainForm_;
    std::unique_ptr<TOptions_Setup> optionsSetup_;
    std::unique_ptr<TAboutBox> aboutBox_;
    // The year the about window's texts name: that of the settings' last reading.
    std::optional<int> aboutStartupYear_;
    bool keepSettingsFileUntouched_ = false;
    std::unique_ptr<THelpBox> helpBox_;
    std::unique_ptr<TTime_Table> timeTable_;
    std::unique_ptr<TPlanner> planner_;
    // The system's zones for the finder, read when first needed, and the universal year their rules
    // are right for.
    std::optional<std::vector<TimeZoneRules>> finderZones_;
    int finderZonesYear_ = 0;
    // The local zone's key name as LocalZone last read it; that and the key names of the zones the
    // places follow, a line each; and their rules.
    std::string localZoneKey_;
    std::string placesZoneKeys_;
    std::vector<TimeZoneRules> placesZones_;
};

}  // namespace orvanta
