#include <windows.h>

#include "app/appearance/factory_defaults.h"
#include "app/appearance/file_status_win.h"
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
    ShowWindow(Handle(), SW_RESTORE);
    Initialise_From_Settings_File(FirstShowing::FactoryReset);
    Update_Location_Rows();
}

}  // namespace orvanta
