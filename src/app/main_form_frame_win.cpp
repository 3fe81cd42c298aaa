// The main window's frame: fitted to its rows, borderless or not, on top or not, and put back as a
// first run shows it.

#include <windows.h>

#include "app/application_win.h"
#include "app/main_form_win.h"
#include "appearance/borderless_mode.h"
#include "appearance/factory_defaults.h"
#include "appearance/file_status_win.h"
#include "appearance/window_appearance_win.h"
#include "toolkit/window_frame.h"

namespace orvanta {

namespace {

// A change of frame handles pending messages between its steps. While one is under way, a close
// request or another switch among those messages waits, and is carried out once the change is done.
class FrameChange {
  public:
    explicit FrameChange(int& depth, std::function<void()> whenDone) : depth_(depth), whenDone_(std::move(whenDone)) {
        ++depth_;
    }
    FrameChange(const FrameChange&) = delete;
    FrameChange& operator=(const FrameChange&) = delete;
    ~FrameChange() {
        if (--depth_ == 0) {
            whenDone_();
        }
    }

  private:
    int& depth_;
    std::function<void()> whenDone_;
};

}  // namespace

bool TMainForm1::FrameChangeUnderWay(toolkit::EventArgs* closeArgs) {
    if (frameChangeDepth_ == 0) {
        return false;
    }
    if (closeArgs != nullptr) {
        closeArgs->canClose = false;
        closeWaiting_ = true;
    } else {
        switchWaiting_ = true;
    }
    return true;
}

void TMainForm1::EndFrameChange() {
    // Posted, so that each runs whole in its own turn of the message loop.
    if (switchWaiting_) {
        switchWaiting_ = false;
        PostMessageW(Handle(), WM_COMMAND, Menus_and_Title_Bar_On_Off_Popup_Option->CommandId(), 0);
    }
    if (closeWaiting_) {
        closeWaiting_ = false;
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

void TMainForm1::Auto_Size_Window() {
    FitClientToRows(
        *this, fittingLabels_,
        {model_.Flag(SettingsFlag::AutoWindowHeightSizing), model_.Flag(SettingsFlag::AutoWindowWidthSizing)});
}

void TMainForm1::Menus_and_Title_Bar_On_Off_Popup_OptionClick() {
    if (FrameChangeUnderWay(nullptr)) {
        return;
    }
    FrameChange change(frameChangeDepth_, [this] { EndFrameChange(); });
    if (!model_.Flag(SettingsFlag::MenusOff) && !model_.Flag(SettingsFlag::TitleBarOff)) {
        app_.Dialogs().Inform(kMenusAndTitleBarOffMessage);
    }
    Toggle_Title_Bar();
    Toggle_Menus();
    Auto_Size_Window();
}

void TMainForm1::Toggle_Title_Bar() {
    const bool off = !model_.Flag(SettingsFlag::TitleBarOff);
    model_.SetFlag(SettingsFlag::TitleBarOff, off);
    ShowTitleBar(*this, !off);
    toolkit::ProcessPendingMessages();
}

void TMainForm1::Toggle_Menus() {
    const bool off = !model_.Flag(SettingsFlag::MenusOff);
    model_.SetFlag(SettingsFlag::MenusOff, off);
    if (off) {
        toolkit::MenuItem* const entries[] = {FileMenu, HelpMenu, SpareMenu};
        ShowMenuBar(*this, false, entries);
    } else {
        // The spare entry stays hidden: without a caption it would be a blank trap on the bar.
        toolkit::MenuItem* const entries[] = {FileMenu, HelpMenu};
        ShowMenuBar(*this, true, entries);
    }
    toolkit::ProcessPendingMessages();
}

// Menus first, then the title bar; without the notice, which the user saw when switching.
void TMainForm1::Apply_Stored_Menus_And_Title_Bar() {
    FrameChange change(frameChangeDepth_, [this] { EndFrameChange(); });
    if (model_.Flag(SettingsFlag::MenusOff)) {
        model_.SetFlag(SettingsFlag::MenusOff, false);
        Toggle_Menus();
    }
    if (model_.Flag(SettingsFlag::TitleBarOff)) {
        model_.SetFlag(SettingsFlag::TitleBarOff, false);
        Toggle_Title_Bar();
    }
}

void TMainForm1::Always_On_Top_OptionClick() {
    Toggle_Always_On_Top();
}

void TMainForm1::Toggle_Always_On_Top() {
    model_.SetFlag(SettingsFlag::AlwaysOnTop, !model_.Flag(SettingsFlag::AlwaysOnTop));
}

// The check mark and the window's band, set explicitly either way.
void TMainForm1::ShowAlwaysOnTop() {
    const bool onTop = model_.Flag(SettingsFlag::AlwaysOnTop);
    Always_On_Top_Option->SetChecked(onTop);
    toolkit::SetTopmost(Handle(), onTop);
}

void TMainForm1::Restore_Factory_Defaults_OptionClick() {
    // No is the default: Enter pressed by mistake must not throw the settings away.
    if (app_.Dialogs().Show(MessageKind::Warning, RestoreFactoryDefaultsQuestion(), ButtonSet::YesNo,
                            DialogButton::No) != DialogButton::Yes) {
        return;
    }
    FrameChange change(frameChangeDepth_, [this] { EndFrameChange(); });
    // Nothing is said when the file stays: reading it again below shows what it still holds, and
    // the next close writes the settings as usual.
    static_cast<void>(Delete_File_If_Closed(app_.SettingsFilePath()));
    // Once the first tick has applied the stored flags the window shows them; give a borderless
    // window its frame and menu bar back first, so that the defaults' client size is its own.
    const bool flagsApplied = FormActivate_Already_Run_CheckBox;
    if (flagsApplied) {
        if (model_.Flag(SettingsFlag::MenusOff)) {
            Toggle_Menus();
        }
        if (model_.Flag(SettingsFlag::TitleBarOff)) {
            Toggle_Title_Bar();
        }
    }
    ShowWindow(Handle(), SW_RESTORE);
    Initialise_From_Settings_File(FirstShowing::FactoryReset);
    // A file that could not go may still say borderless or fitted: shown as the first tick would.
    if (flagsApplied) {
        Apply_Stored_Menus_And_Title_Bar();
    }
    Auto_Size_Window();
}

}  // namespace orvanta
