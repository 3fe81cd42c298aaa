// The application object's side of the main window: the settings file, which it reads at start
// and at a factory reset and writes at every close, and the commands of the menus.

#include <windows.h>

#include "about/about_box_win.h"
#include "app/application_win.h"
#include "app/main_form_win.h"
#include "app/settings_file_access_win.h"
#include "appearance/factory_defaults.h"
#include "appearance/file_status_win.h"
#include "core/program_titles.h"
#include "core/settings_file.h"
#include "desktop/auto_run.h"
#include "desktop/documents.h"
#include "planner/planner_win.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table_win.h"
#include "toolkit/staged_ini_store.h"

namespace orvanta {

SettingsStartup OrvantaApp::LoadSettings(FirstShowing reason) {
    const std::string path = SettingsFilePath();
    const auto& pause = ports_.pause;
    const SettingsFileState state = WaitForSettingsFile(
        [&path] { return LookAtSettingsFile(path); },
        [&pause](unsigned milliseconds) { pause ? pause(milliseconds) : Sleep(milliseconds); }, reason);
    const SettingsStartup startup = DecideSettingsStartup(state, reason);
    keepSettingsFileUntouched_ = startup.keepFileUntouched;

    Settings read;
    if (startup.readFile) {
        // Never committed: a copy made for reading goes with the store.
        toolkit::StagedIniStore store(path, kSettingsSection);
        store.ReadAsSaved();
        read = ReadSettings(store);
    }
    if (reason == FirstShowing::FactoryReset) {
        // A reset keeps the places the window holds; a settings file that outlived it lists them
        // too, and taking them again would double every place.
        read.places = model_.Places();
    }
    // Where the user left the settings dialog is not the file's to say.
    read.settingsPage = model_.Get().settingsPage;
    // The about window's copyright names the year of the reading, also in a window made later.
    aboutStartupYear_ = ports_.clock().Split().year;
    if (aboutBox_ != nullptr) {
        aboutBox_->Set_Startup_Texts(*aboutStartupYear_);
    }
    model_.Replace(std::move(read));
    return startup;
}

SettingsShown OrvantaApp::LoadSettingsAtStart() {
    const SettingsStartup startup = LoadSettings(FirstShowing::Start);
    return {startup.widenToFirstRow, startup.warn};
}

void OrvantaApp::CheckAutoRun() {
    model_.SetFlag(SettingsFlag::AutoRunAtWindowsStartup, Check_Auto_Run_Path(AutoRunOperations()));
}

void OrvantaApp::WarnAboutUnreadableSettings() {
    dialogs_->Warn(UnreadableSettingsMessage(SettingsFilePath()));
}

bool OrvantaApp::SaveSettingsFile() {
    mainForm_->StoreWindowGeometry();
    // Staged: the old file stays as it was unless every value reached the new one.
    toolkit::StagedIniStore store(SettingsFilePath(), kSettingsSection);
    // Each place that follows a zone is saved at its present offset, for versions that know no zones.
    const std::optional<ClockReading> reading = ReadClocksFor(*this, model_.Places(), ports_.clock());
    const Settings saved = WithPresentOffsets(model_.Get(), reading ? &*reading : nullptr);
    if (!(WriteSettings(store, saved).written && store.Commit())) {
        dialogs_->Fail(UnableToWriteMessage(store.Path()));
        return false;
    }
    // Once: the file holds clean UTF-16 LE text from now on.
    if (!store.Notice().empty()) {
        dialogs_->Warn(store.Notice());
    }
    return true;
}

bool OrvantaApp::MayClose(bool endingSession) {
    // The user was told at start-up that the settings in the file could not be read and that it
    // would not be saved over: the places in it are still the user's.
    // When Windows ends the session it asks this too, and ends regardless: nothing to ask then.
    if (keepSettingsFileUntouched_ || SaveSettingsFile() || endingSession) {
        return true;
    }
    // Refusing every close would leave the user a clock that only the Task Manager can end; refusing
    // by default still lets the cause be fixed (a read-only folder, say) and the close tried again.
    return dialogs_->Show(MessageKind::Warning, kCloseWithoutSavingQuestion, ButtonSet::YesNo, DialogButton::No) ==
           DialogButton::Yes;
}

void OrvantaApp::RestoreFactoryDefaults() {
    // No is the default: Enter pressed by mistake must not throw the settings away.
    if (dialogs_->Show(MessageKind::Warning, RestoreFactoryDefaultsQuestion(), ButtonSet::YesNo, DialogButton::No) !=
        DialogButton::Yes) {
        return;
    }
    // Nothing is said when the file stays: reading it again below shows what it still holds, and
    // the next close writes the settings as usual.
    static_cast<void>(Delete_File_If_Closed(SettingsFilePath()));
    // The defaults' place and size are those of a window in its normal state.
    ShowWindow(mainForm_->Handle(), SW_RESTORE);
    // The window takes the frame, place and size of what is read; a file that could not go may
    // still say borderless or fitted.
    mainForm_->ShowSettingsRead({.widenToFirstRow = LoadSettings(FirstShowing::FactoryReset).widenToFirstRow});
    CheckAutoRun();
    mainForm_->Auto_Size_Window();
}

void OrvantaApp::ToggleAutoRun() {
    model_.SetFlag(SettingsFlag::AutoRunAtWindowsStartup,
                   AutoRunCheckAfterClick(model_.Flag(SettingsFlag::AutoRunAtWindowsStartup), AutoRunOperations()));
}

void OrvantaApp::OpenSettings() {
    OptionsSetup().Open();
}

void OrvantaApp::OpenTimeTable() {
    TimeTable().ShowModal();
}

void OrvantaApp::OpenPlanner() {
    Planner().ShowModal();
}

void OrvantaApp::OpenHelp() {
    HelpBox().ShowModal();
}

void OrvantaApp::OpenAbout() {
    AboutBox().ShowModal();
}

// The document commands tell the user in an information box what is missing.
void OrvantaApp::ViewReadme() {
    if (const auto message = View_Readme_File(*shell_, ports_.executablePath)) {
        dialogs_->Inform(*message);
    }
}

void OrvantaApp::ViewCatalog() {
    // The about window's product line, which always shows the program's title.
    if (const auto message = View_Catalog_File(*shell_, ports_.executablePath, kProgramTitle)) {
        dialogs_->Inform(*message);
    }
}

}  // namespace orvanta
