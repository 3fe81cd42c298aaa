// The main window's frame: fitted to its rows, borderless or not, on top or not. Each follows the
// model: a change works out the whole frame the window should have and sets it in one go.

#include <windows.h>

#include "app/main_form_win.h"
#include "appearance/borderless_mode.h"
#include "appearance/window_appearance_win.h"
#include "toolkit/window_frame.h"

namespace orvanta {

void TMainForm1::Auto_Size_Window() {
    FitClientToRows(
        *this, fittingLabels_,
        {model_.Flag(SettingsFlag::AutoWindowHeightSizing), model_.Flag(SettingsFlag::AutoWindowWidthSizing)});
}

void TMainForm1::Menus_and_Title_Bar_On_Off_Popup_OptionClick() {
    if (!model_.Flag(SettingsFlag::MenusOff) && !model_.Flag(SettingsFlag::TitleBarOff)) {
        dialogs_.Inform(kMenusAndTitleBarOffMessage);
    }
    Toggle_Title_Bar();
    Toggle_Menus();
    Auto_Size_Window();
}

void TMainForm1::Toggle_Title_Bar() {
    model_.SetFlag(SettingsFlag::TitleBarOff, !model_.Flag(SettingsFlag::TitleBarOff));
}

void TMainForm1::Toggle_Menus() {
    model_.SetFlag(SettingsFlag::MenusOff, !model_.Flag(SettingsFlag::MenusOff));
}

void TMainForm1::ShowFrame() {
    // Until the first tick the window keeps the frame it was made with.
    const bool stored = FormActivate_Already_Run_CheckBox;
    const bool titleBar = !(stored && model_.Flag(SettingsFlag::TitleBarOff));
    const bool menuBar = !(stored && model_.Flag(SettingsFlag::MenusOff));
    // The spare entry stays hidden: without a caption it would be a blank trap on the bar.
    toolkit::MenuItem* const entries[] = {FileMenu, HelpMenu};
    ShowWindowFrame(*this, titleBar, menuBar, entries);
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

}  // namespace orvanta
