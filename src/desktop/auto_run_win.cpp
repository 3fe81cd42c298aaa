#include <windows.h>

#include "app/application_win.h"
#include "app/main_form_win.h"
#include "desktop/auto_run.h"

namespace orvanta {

void TMainForm1::Auto_Run_at_Windows_Startup_OptionClick() {
    auto& option = MenuEntry("Auto_Run_at_Windows_Startup_Option");
    option.SetChecked(AutoRunCheckAfterClick(option.Checked(), app_.AutoRunOperations()));
}

}  // namespace orvanta
