#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvanta {

// What a look at the settings file, just before it is read, found. A file that exists but cannot
// be opened or read (another program holds it open without sharing, access is refused) is
// Unreadable: reading it would give every value its default without a word.
enum class SettingsFileState { Missing, Readable, Unreadable };

// Why the first showing's work runs: the program's start, or the user restoring the factory
// defaults, who asked for the defaults and keeps the locations the window holds.
enum class FirstShowing { Start, FactoryReset };

// A sync tool or a virus scanner holds a file for a moment; an editor holds it until it closes.
inline constexpr unsigned kSettingsFileRetryMs = 2000;
inline constexpr unsigned kSettingsFileRetryStepMs = 100;

// Looks at the file until it is missing or readable, pausing a step between looks, for about
// kSettingsFileRetryMs in all; answers the last look. A factory reset looks once.
SettingsFileState WaitForSettingsFile(const std::function<SettingsFileState()>& look,
                                      const std::function<void(unsigned milliseconds)>& pause,
                                      FirstShowing reason);

struct SettingsStartup {
    bool readFile = true;            // false: every value takes its default
    bool warn = false;               // tell the user once that the file could not be read
    bool keepFileUntouched = false;  // write nothing at the next close
    // No file gives the window its width: the factory width grows to show the first row whole,
    // whatever the regional time format and the resolution.
    bool widenToFirstRow = false;
};

// A file that could not be read is not written over at close: the user's places are still in it.
SettingsStartup DecideSettingsStartup(SettingsFileState state, FirstShowing reason);

// The Warning shown when the file could not be read at start-up.
std::string UnreadableSettingsMessage(std::string_view path);

}  // namespace orvanta
