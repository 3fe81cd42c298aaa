#pragma once

#include <windows.h>

#include "ports/message_dialogs.h"
#include "ports/system_preferences.h"

namespace orvanta::toolkit {

// The real message dialogs: a small modal window of our own, because MessageBoxW offers neither
// Yes/Cancel nor Escape answering No. While one is open the message loop keeps running, so the
// clock's timer goes on ticking.
class WinMessageDialogs final : public MessageDialogs {
  public:
    // The dialog stays above and disables the active window, or else the fallback owner.
    explicit WinMessageDialogs(HWND fallbackOwner = nullptr) : fallbackOwner_(fallbackOwner) {}
    void SetFallbackOwner(HWND owner) { fallbackOwner_ = owner; }
    // The preferences whose look the dialogs follow, as the program's other windows do.
    void SetPreferences(const SystemPreferences& preferences) { preferences_ = &preferences; }

    DialogButton Show(MessageKind kind, std::string_view text, ButtonSet buttons, DialogButton defaultButton) override;

  private:
    HWND fallbackOwner_;
    const SystemPreferences* preferences_ = nullptr;  // nullptr: Windows' own
};

// The title a dialog of this kind carries: "Error", "Information" or "Warning".
const char* MessageKindTitle(MessageKind kind);

}  // namespace orvanta::toolkit
