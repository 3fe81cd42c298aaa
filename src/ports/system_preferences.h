#pragma once

#include <optional>

namespace orvanta {

// What the user chose in Windows' settings for every program: how windows look, and whether a
// screen reader runs. Asked afresh each time, so a change takes effect at once.
struct LookPreferences {
    bool highContrast = false;
    // The personalisation setting for apps; nothing where the system keeps none.
    std::optional<bool> appsUseLightTheme;
    bool windows10OrLater = false;
};

class SystemPreferences {
  public:
    virtual ~SystemPreferences() = default;
    virtual LookPreferences Look() const = 0;
    // A screen reader, or another program that speaks what the screen shows, is running.
    virtual bool ScreenReaderRunning() const = 0;
};

}  // namespace orvanta
