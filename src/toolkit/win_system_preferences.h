#pragma once

#include <windows.h>

#include "ports/system_preferences.h"

namespace orvanta::toolkit {

// What Windows says: the high-contrast flag and the screen reader flag of SystemParametersInfo,
// and the apps' theme in the user's personalisation key.
class WinSystemPreferences : public SystemPreferences {
  public:
    LookPreferences Look() const override;
    bool ScreenReaderRunning() const override;
};

// The preferences every window follows unless it is given others.
const SystemPreferences& WindowsPreferences();

// The title bar drawn dark or light, where Windows can (Windows 10 1809 and later); elsewhere,
// and under Wine, nothing changes.
void ShowDarkTitleBar(HWND window, bool dark);

}  // namespace orvanta::toolkit
