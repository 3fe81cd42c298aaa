#include "core/look.h"

namespace orvanta {

LookMode DecideLookMode(const LookPreferences& preferences, bool followsDarkTheme) {
    if (preferences.highContrast) {
        return LookMode::HighContrast;
    }
    const bool dark = preferences.windows10OrLater && preferences.appsUseLightTheme == false;
    return followsDarkTheme && dark ? LookMode::Dark : LookMode::Normal;
}

Paint LookColor(LookMode mode, ColorRole role, Paint designed) {
    switch (mode) {
        case LookMode::Normal:
            return designed;
        case LookMode::HighContrast:
            switch (role) {
                case ColorRole::Background:
                    return Paint::System(SystemColor::Window);
                case ColorRole::Text:
                    return Paint::System(SystemColor::WindowText);
                case ColorRole::LinkText:
                    return Paint::System(SystemColor::HotLight);
            }
            break;
        case LookMode::Dark:
            if (!designed.isSystem) {
                return designed;
            }
            return Paint::Rgb(role == ColorRole::Background ? kDarkBackground : kDarkText);
    }
    return designed;
}

}  // namespace orvanta
