#include "toolkit/win_system_preferences.h"

#include <dwmapi.h>

#include "toolkit/system_library.h"

namespace orvanta::toolkit {

namespace {

// The personalisation key keeps 1 for the light theme and 0 for the dark one.
std::optional<bool> AppsUseLightTheme() {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                     L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value != 0;
}

// VerifyVersionInfo answers truly because the manifest declares Windows 10 among the systems the
// program supports; without that it would report Windows 8 at most.
bool Windows10OrLater() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    version.dwMajorVersion = 10;
    const DWORDLONG condition = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&version, VER_MAJORVERSION, condition) != FALSE;
}

// DWMWA_USE_IMMERSIVE_DARK_MODE; Windows 10 builds before 20H1 knew it by its earlier number.
constexpr DWORD kDarkModeAttribute = 20;
constexpr DWORD kEarlierDarkModeAttribute = 19;

}  // namespace

LookPreferences WinSystemPreferences::Look() const {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                              (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {highContrast, AppsUseLightTheme(), Windows10OrLater()};
}

bool WinSystemPreferences::ScreenReaderRunning() const {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

const SystemPreferences& WindowsPreferences() {
    static const WinSystemPreferences preferences;
    return preferences;
}

void ShowDarkTitleBar(HWND window, bool dark) {
    try {
        auto* const setAttribute = ORVANTA_SYSTEM_FUNCTION(DwmapiLibrary(), DwmSetWindowAttribute);
        const BOOL value = dark ? TRUE : FALSE;
        if (FAILED(setAttribute(window, kDarkModeAttribute, &value, sizeof(value)))) {
            setAttribute(window, kEarlierDarkModeAttribute, &value, sizeof(value));
        }
    } catch (const MissingSystemPart&) {
        // No desktop window manager: the title bar keeps the system's colours.
    }
}

}  // namespace orvanta::toolkit
