#pragma once

#include <string>
#include <string_view>

#include "core/settings_model.h"
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

// How far a window's place and size in the file may reach either way, in 96-DPI units: beyond it no
// screen shows a window, and the conversions to pixels and frame sizes stay well inside an int.
inline constexpr int kMaxWindowCoordinate = 32767;

// Reads every value of the file, each one the file cannot give as its factory setting; the window's
// place is held within kMaxWindowCoordinate either way, its size between 0 and kMaxWindowCoordinate. At most ten
// entries are read, however many the count claims.
Settings ReadSettings(IniStore& store);

// Writes every key in order and stops at the first write that fails, leaving the rest unwritten.
// Entry keys beyond the current count, left from a longer list, stay in the file; zone keys are
// written for the places that follow a zone and deleted for every other number up to ten.
struct SettingsWriteResult {
    bool written = true;
    std::string failedKey;  // the key whose write failed
};
SettingsWriteResult WriteSettings(IniStore& store, const Settings& settings);

// Asked after a failed write at a close: No, the default, keeps the clock open.
inline constexpr const char* kCloseWithoutSavingQuestion =
    "The settings could not be saved. Close anyway and lose the changes made since the clock started? "
    "Choose No to keep the clock open, so that you can fix the cause and close it again.";

// "Unable to write to <path>"
std::string UnableToWriteMessage(std::string_view path);

}  // namespace orvanta
