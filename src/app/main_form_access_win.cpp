// The main window read aloud: every row at once, on request only. The tick raises nothing a
// screen reader would speak.

#include <windows.h>

#include "app/main_form_win.h"
#include "toolkit/clipboard.h"

namespace orvanta {

void TMainForm1::Read_All_Places_Popup_OptionClick() {
    const LocalDateTime now = sources_.Clocks().LocalNow();
    const std::optional<ClockReading> reading = ReadClocksFor(sources_.Clocks(), model_.Places(), now);
    const std::string text =
        AllPlacesText(PlanLocationRows(RowsOf(model_.Get()), now, formats_, reading ? &*reading : nullptr));
    if (Preferences().ScreenReaderRunning()) {
        announcer_.Announce(Handle(), text.empty() ? kNoPlaceShownMessage : text);
    } else if (text.empty()) {
        dialogs_.Inform(kNoPlaceShownMessage);
    } else if (!toolkit::SetClipboardText(Handle(), text)) {
        dialogs_.Fail(kAllPlacesClipboardBusyMessage);
    } else {
        dialogs_.Inform(kAllPlacesCopiedMessage);
    }
}

}  // namespace orvanta
