#include "app/application_win.h"

#include <windows.h>

#include "about/about_box_win.h"
#include "app/main_form_win.h"
#include "core/settings_file.h"
#include "planner/planner_win.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table_win.h"
#include "toolkit/form.h"
#include "toolkit/win_registry.h"
#include "toolkit/win_system_preferences.h"
#include "toolkit/win_time_zones.h"

namespace orvanta {

OrvantaApp::OrvantaApp(AppPorts ports)
    : ports_(std::move(ports)),
      dialogs_(ports_.dialogs != nullptr ? ports_.dialogs : &realDialogs_),
      shell_(ports_.shell != nullptr ? ports_.shell : &realShell_),
      preferences_(ports_.preferences != nullptr ? ports_.preferences : &toolkit::WindowsPreferences()),
      uncaughtErrors_([dialogs = dialogs_](const std::string& text) { dialogs->Fail(text); }) {
    mainForm_ = std::make_unique<TMainForm1>(model_, static_cast<MainWindowSources&>(*this),
                                             static_cast<MainWindowCommands&>(*this), *dialogs_);
    mainForm_->ReportErrorsTo(uncaughtErrors_);
    // The main window and its borderless strip go dark with the apps' theme; the dialogs stay
    // light, as Windows' own classic dialogs do.
    mainForm_->FollowSystemLook(*preferences_, true);
    realDialogs_.SetFallbackOwner(mainForm_->Handle());
    realDialogs_.SetPreferences(*preferences_);
    realShell_.SetParentWindow(mainForm_->Handle());
}

template <typename Window, typename... Arguments>
Window& OrvantaApp::Lazily(std::unique_ptr<Window>& window, Arguments&&... arguments) {
    if (window == nullptr) {
        window = std::make_unique<Window>(std::forward<Arguments>(arguments)..., mainForm_->Handle());
        window->ReportErrorsTo(uncaughtErrors_);
        window->FollowSystemLook(*preferences_);
    }
    return *window;
}

TOptions_Setup& OrvantaApp::OptionsSetup() {
    return Lazily(optionsSetup_, model_, *dialogs_, static_cast<ZoneClocks&>(*this));
}

TAboutBox& OrvantaApp::AboutBox() {
    const bool made = aboutBox_ != nullptr;
    TAboutBox& about = Lazily(aboutBox_, *shell_, ports_.executablePath);
    if (!made && aboutStartupYear_.has_value()) {
        about.Set_Startup_Texts(*aboutStartupYear_);
    }
    return about;
}

THelpBox& OrvantaApp::HelpBox() {
    return Lazily(helpBox_);
}

TTime_Table& OrvantaApp::TimeTable() {
    return Lazily(timeTable_, model_, *dialogs_, static_cast<ZoneClocks&>(*this));
}

TPlanner& OrvantaApp::Planner() {
    return Lazily(planner_, model_, static_cast<ZoneClocks&>(*this), ports_.regionalFormats);
}

const std::vector<TimeZoneRules>& OrvantaApp::FinderZones() {
    const int year = UniversalNow().Split().year;
    if (!finderZones_ || finderZonesYear_ != year) {
        finderZones_ = toolkit::ReadSystemTimeZonesAround(year);
        finderZonesYear_ = year;
    }
    return *finderZones_;
}

// Asked at every tick while a place follows a zone: a comparison of key names, and a read only when
// they change. The local zone is the one LocalZone last found.
const std::vector<TimeZoneRules>& OrvantaApp::PlacesZones() {
    std::string keys = localZoneKey_;
    for (const Place& place : model_.Places()) {
        if (place.FollowsZone()) {
            keys += '\n';
            keys += place.Zone();
        }
    }
    if (keys != placesZoneKeys_) {
        placesZones_.clear();
        for (std::size_t from = 0; from <= keys.size();) {
            const std::size_t end = std::min(keys.find('\n', from), keys.size());
            const std::string_view key = std::string_view(keys).substr(from, end - from);
            if (FindZone(placesZones_, key) == nullptr) {
                if (auto zone = toolkit::ReadSystemTimeZone(key)) {
                    placesZones_.push_back(std::move(*zone));
                }
            }
            from = end + 1;
        }
        placesZoneKeys_ = std::move(keys);
    }
    return placesZones_;
}

// Asked afresh each time, as the user may move the computer to another zone while the clock runs;
// the rows, which tick every second, need only the places' zones and never ask.
const TimeZoneRules* OrvantaApp::LocalZone() {
    localZoneKey_ = toolkit::LocalTimeZoneKeyName();
    return FindZone(PlacesZones(), localZoneKey_);
}

OrvantaApp::~OrvantaApp() {
    planner_.reset();
    timeTable_.reset();
    helpBox_.reset();
    aboutBox_.reset();
    optionsSetup_.reset();
    mainForm_.reset();
}

std::string OrvantaApp::SettingsFilePath() const {
    return orvanta::SettingsFilePath(ports_.executablePath);
}

AutoRun OrvantaApp::AutoRunOperations() const {
    return {ports_.registry ? ports_.registry : RegistryFactory(toolkit::OpenWinRegistry), *dialogs_,
            ports_.executablePath};
}

void OrvantaApp::ShowMainForm() {
    mainForm_->Show();
}

int OrvantaApp::Run() {
    ShowMainForm();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace orvanta
