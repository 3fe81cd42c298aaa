#pragma once

#include <string>

#include "core/settings_file_guard.h"

namespace orvanta {

// Whether the settings file can be read right now. The profile functions cannot tell: for a file
// another program holds open without sharing they answer every key with its default.
SettingsFileState LookAtSettingsFile(const std::string& path);

}  // namespace orvanta
