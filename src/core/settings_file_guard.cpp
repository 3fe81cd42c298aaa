#include "core/settings_file_guard.h"

namespace orvanta {

SettingsFileState WaitForSettingsFile(const std::function<SettingsFileState()>& look,
                                      const std::function<void(unsigned milliseconds)>& pause,
                                      FirstShowing reason) {
    SettingsFileState state = look();
    if (reason == FirstShowing::FactoryReset) {
        return state;
    }
    for (unsigned waited = 0; state == SettingsFileState::Unreadable && waited < kSettingsFileRetryMs;
         waited += kSettingsFileRetryStepMs) {
        pause(kSettingsFileRetryStepMs);
        state = look();
    }
    return state;
}

SettingsStartup DecideSettingsStartup(SettingsFileState state, FirstShowing reason) {
    if (state != SettingsFileState::Unreadable) {
        return {.widenToFirstRow = state == SettingsFileState::Missing};
    }
    if (reason == FirstShowing::FactoryReset) {
        return {.readFile = false, .widenToFirstRow = true};
    }
    return {.readFile = false, .warn = true, .keepFileUntouched = true, .widenToFirstRow = true};
}

std::string UnreadableSettingsMessage(std::string_view path) {
    return "The settings in " + std::string(path) +
           " could not be read; another program may be using the file.\r\n"
           "Orvanta starts with the default settings and will not save over that file when it closes.";
}

}  // namespace orvanta
