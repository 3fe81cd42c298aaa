// The main window's appearance: fitting it to its rows, the borderless switch and always-on-top.

#include <windows.h>

#include <vector>

#include "appearance/borderless_mode.h"
#include "appearance/window_fitting.h"
#include "app/application_win.h"
#include "app/main_form_win.h"
#include "settings/options_setup_win.h"
#include "toolkit/window_frame.h"

namespace orvanta {

void TMainForm1::Auto_Size_Window() {
    const auto& options = app_.OptionsSetup();
    const FittingOptions fitting{options.Component("Auto_Window_Height_Sizing_CheckBox").Checked(),
                                 options.Component("Auto_Window_Width_Sizing_CheckBox").Checked()};
    if (!fitting.height && !fitting.width) {
        return;
    }
    std::vector<LabelBox> labels;
    labels.reserve(FittingLabelOrder().size());
    for (const std::string& name : FittingLabelOrder()) {
        const toolkit::Control& label = Component(name);
        const RECT bounds = label.Bounds();
        labels.push_back(
            {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, label.Visible()});
    }
    // The labels stand where the form's scaling put them; the margins scale the same way.
    const FittedClientSize fitted =
        FitClientToLabels(labels, fitting, {Scale(kFitBottomMargin), Scale(kFitRightMargin)});
    // The width first: a narrower window can wrap its menu bar, which takes client height.
    if (fitted.width) {
        SetClientSize(*fitted.width, ClientSize().cy);
    }
    if (fitted.height) {
        SetClientSize(ClientSize().cx, *fitted.height);
    }
}

void TMainForm1::Menus_and_Title_Bar_On_Off_Popup_OptionClick() {
    if (!Menus_Off_CheckBox && !Title_Bar_Off_CheckBox) {
        app_.Dialogs().Inform(kMenusAndTitleBarOffMessage);
    }
    Toggle_Title_Bar();
    Toggle_Menus();
    Auto_Size_Window();
}

void TMainForm1::Toggle_Title_Bar() {
    Title_Bar_Off_CheckBox = !Title_Bar_Off_CheckBox;
    SetBorder(Title_Bar_Off_CheckBox ? forms::BorderStyle::None : forms::BorderStyle::Sizeable);
    toolkit::ProcessPendingMessages();
}

void TMainForm1::Toggle_Menus() {
    // Read each time: it differs with the resolution and the system's look.
    const int menuBarHeight = GetSystemMetrics(SM_CYMENU);
    const SIZE client = ClientSize();
    Menus_Off_CheckBox = !Menus_Off_CheckBox;
    // The client height changes before the entries do, in both directions: the bar's line then
    // comes or goes at the frame's expense, and the rows keep their room.
    if (Menus_Off_CheckBox) {
        SetClientSize(client.cx, client.cy - menuBarHeight);
        for (const char* entry : {"FileMenu", "HelpMenu", "SpareMenu"}) {
            MenuEntry(entry).SetVisible(false);
        }
    } else {
        SetClientSize(client.cx, client.cy + menuBarHeight);
        // The spare entry stays hidden: without a caption it would be a blank trap on the bar.
        for (const char* entry : {"FileMenu", "HelpMenu"}) {
            MenuEntry(entry).SetVisible(true);
        }
    }
    toolkit::ProcessPendingMessages();
}

// Menus first, then the title bar; without the notice, which the user saw when switching.
void TMainForm1::Apply_Stored_Menus_And_Title_Bar() {
    if (Menus_Off_CheckBox) {
        Menus_Off_CheckBox = false;
        Toggle_Menus();
    }
    if (Title_Bar_Off_CheckBox) {
        Title_Bar_Off_CheckBox = false;
        Toggle_Title_Bar();
    }
}

void TMainForm1::Always_On_Top_OptionClick() {
    Toggle_Always_On_Top();
}

void TMainForm1::Toggle_Always_On_Top() {
    auto& entry = MenuEntry("Always_On_Top_Option");
    entry.SetChecked(!entry.Checked());
    toolkit::SetTopmost(Handle(), entry.Checked());
}

}  // namespace orvanta
