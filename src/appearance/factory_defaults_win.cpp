#include <windows.h>

#include "appearance/factory_defaults.h"
#include "appearance/file_status_win.h"
#include "app/application_win.h"
#include "app/main_form_win.h"

namespace orvanta {

void TMainForm1::Restore_Factory_Defaults_OptionClick() {
    // No is the default: Enter pressed by mistake must not throw the settings away.
    if (app_.Dialogs().Show(MessageKind::Warning, RestoreFactoryDefaultsQuestion(), ButtonSet::YesNo,
                            DialogButton::No) != DialogButton::Yes) {
        return;
    }
    // Nothing is said when the file stays: reading it again below shows what it still holds, and
    // the next close writes the settings as usual.
    static_cast<void>(Delete_File_If_Closed(app_.SettingsFilePath()));
    // Once the first tick has applied the stored flags the window shows them; give a borderless
    // window its frame and menu bar back first, so that the defaults' client size is its own.
    const bool flagsApplied = FormActivate_Already_Run_CheckBox;
    if (flagsApplied) {
        if (Menus_Off_CheckBox) {
            Toggle_Menus();
        }
        if (Title_Bar_Off_CheckBox) {
            Toggle_Title_Bar();
        }
    }
    ShowWindow(Handle(), SW_RESTORE);
    Initialise_From_Settings_File(FirstShowing::FactoryReset);
    // A file that could not go may still say borderless or fitted: shown as the first tick would.
    if (flagsApplied) {
        Apply_Stored_Menus_And_Title_Bar();
    }
    Update_Location_Rows();
    Auto_Size_Window();
}

}  // namespace orvanta
