#pragma once

#include <optional>

#include "core/place_zones.h"
#include "core/regional_formats.h"

namespace orvanta {

// What the main window shows besides the settings model: the clocks, the system's zones and the
// regional formats.
class MainWindowSources {
  public:
    virtual ~MainWindowSources() = default;
    virtual ZoneClocks& Clocks() = 0;
    virtual RegionalFormats ReadRegionalFormats() = 0;
    // How a shortcut asked the program to start: minimised, maximised; nothing for the usual.
    virtual std::optional<int> StartupShowState() = 0;
};

// How the window shows the settings just read into the model.
struct SettingsShown {
    // No file: the factory width grows to show the first row whole, whatever the regional time
    // format and the resolution.
    bool widenToFirstRow = false;
    // The file could not be read: the user is told once, over the window already shown.
    bool warnUnreadable = false;
};

// The commands the main window starts; the program carries them out. The settings file is the
// program's: the window only learns how to show what was read.
class MainWindowCommands {
  public:
    virtual ~MainWindowCommands() = default;
    // Reads the settings file into the model at start.
    virtual SettingsShown LoadSettingsAtStart() = 0;
    // The auto-run entry of the registry decides the flag, whatever the file said; may ask first.
    virtual void CheckAutoRun() = 0;
    virtual void WarnAboutUnreadableSettings() = 0;
    // Saves the settings file; false when the program must stay open (the user chose so after a
    // failed save). Windows ending the session ends the program whatever happens.
    virtual bool MayClose(bool endingSession) = 0;
    // Asks first; then deletes the settings file and reads the factory settings into the model.
    virtual void RestoreFactoryDefaults() = 0;
    virtual void ToggleAutoRun() = 0;
    virtual void OpenSettings() = 0;
    virtual void OpenTimeTable() = 0;
    virtual void OpenPlanner() = 0;
    virtual void OpenHelp() = 0;
    virtual void OpenAbout() = 0;
    virtual void ViewReadme() = 0;
    virtual void ViewCatalog() = 0;
};

}  // namespace orvanta
