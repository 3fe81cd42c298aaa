#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_flags.h"
#include "ports/ini_store.h"

namespace orvanta {

inline constexpr const char* kSettingsFileName = "orvanta.ini";
inline constexpr const char* kSettingsSection = "orvanta";

// The folder of the executable (with its trailing separator) followed by the file name.
std::string SettingsFilePath(std::string_view executablePath);

// Integers as the settings file has always stored them: decimal with an optional "-", or "0x"/"0X"
// hexadecimal when the text is longer than two characters; anything else (empty, "12abc", out of
// range) gives the default.
int ParseIniInteger(std::string_view text, int defaultValue);

// Where the values go as they are read, each one as soon as it is read.
class SettingsTarget {
  public:
    virtual ~SettingsTarget() = default;
    virtual void SetWindowTop(int top) = 0;
    virtual void SetWindowLeft(int left) = 0;
    virtual void SetClientWidth(int width) = 0;
    virtual void SetClientHeight(int height) = 0;
    virtual void SetCurrentLocationCaption(const std::string& caption) = 0;
    virtual void AppendLocation(const std::string& entry) = 0;
    virtual void SetFlag(SettingsFlag flag, bool set) = 0;
};

void ReadSettings(IniStore& store, SettingsTarget& target);

// Everything that is written at a close request, taken from the controls at that moment. A snapshot
// starts out as the factory settings.
struct SettingsSnapshot {
    int windowTop = 200;
    int windowLeft = 200;
    int clientWidth = 240;
    int clientHeight = 87;
    std::string currentLocationCaption = "Here :";
    std::vector<std::string> locations;
    std::array<bool, kSettingsFlagCount> flags{};

    bool Flag(SettingsFlag flag) const { return flags[static_cast<int>(flag)]; }
};

// The factory settings: what a missing or unreadable value reads as, and what a first run writes.
const SettingsSnapshot& FactorySettings();

// Writes every key in order and stops at the first write that fails, leaving the rest unwritten.
// Entry keys beyond the current count, left from a longer list, stay in the file.
struct SettingsWriteResult {
    bool written = true;
    std::string failedKey;  // the key whose write failed
};
SettingsWriteResult WriteSettings(IniStore& store, const SettingsSnapshot& settings);

// "Unable to write to <path>"
std::string UnableToWriteMessage(std::string_view path);

}  // namespace orvanta
