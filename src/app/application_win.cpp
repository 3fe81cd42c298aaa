#include "app/application_win.h"

#include <windows.h>

#include "about/about_box_win.h"
#include "app/main_form_win.h"
#include "core/settings_file.h"
#include "settings/options_setup_win.h"
#include "timetable/time_table_win.h"
#include "toolkit/form.h"
#include "toolkit/win_registry.h"

namespace orvanta {

OrvantaApp::OrvantaApp(AppPorts ports)
    : ports_(std::move(ports)),
      dialogs_(ports_.dialogs != nullptr ? ports_.dialogs : &realDialogs_),
      shell_(ports_.shell != nullptr ? ports_.shell : &realShell_),
      uncaughtErrors_([dialogs = dialogs_](const std::string& text) { dialogs->Fail(text); }) {
    mainForm_ = std::make_unique<TMainForm1>(*this);
    HWND owner = mainForm_->Handle();
    realDialogs_.SetFallbackOwner(owner);
    realShell_.SetParentWindow(owner);
    optionsSetup_ = std::make_unique<TOptions_Setup>(*this, owner);
    helpBox_ = std::make_unique<THelpBox>(*this, owner);
    for (toolkit::Form* form :
         std::initializer_list<toolkit::Form*>{mainForm_.get(), optionsSetup_.get(), helpBox_.get()}) {
        form->ReportErrorsTo(uncaughtErrors_);
    }
}

TAboutBox& OrvantaApp::AboutBox() {
    if (aboutBox_ == nullptr) {
        aboutBox_ = std::make_unique<TAboutBox>(*this, mainForm_->Handle());
        aboutBox_->ReportErrorsTo(uncaughtErrors_);
        if (aboutStartupYear_.has_value()) {
            aboutBox_->Set_Startup_Texts(*aboutStartupYear_);
        }
    }
    return *aboutBox_;
}

void OrvantaApp::Set_About_Startup_Texts(int currentYear) {
    aboutStartupYear_ = currentYear;
    if (aboutBox_ != nullptr) {
        aboutBox_->Set_Startup_Texts(currentYear);
    }
}

TTime_Table& OrvantaApp::TimeTable() {
    if (timeTable_ == nullptr) {
        timeTable_ = std::make_unique<TTime_Table>(*this, mainForm_->Handle());
        timeTable_->ReportErrorsTo(uncaughtErrors_);
    }
    return *timeTable_;
}

OrvantaApp::~OrvantaApp() {
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
