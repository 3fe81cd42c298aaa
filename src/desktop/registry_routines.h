#pragma once

#include <string>
#include <string_view>

#include "ports/message_dialogs.h"
#include "ports/registry.h"

namespace orvanta {

// The three routines every registry access of the program goes through. Each makes its own access
// object and releases it before it returns. The writer and the remover tell the user what went
// wrong themselves, a change refused for want of an administrator's rights included; the reader
// never says anything.

// True when `name` now holds exactly `data`, read back and compared byte for byte.
bool Write_Registry_String(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name,
                           std::string_view data);

// True when no value `name` is left in `key`, also when there was none to begin with.
bool Delete_Registry_Value(const RegistryFactory& registry,
                           MessageDialogs& dialogs,
                           RegistryRoot root,
                           std::string_view key,
                           std::string_view name);

// The value's text; empty text when the key or the value is missing, or the value is no string.
std::string Read_Registry_String(const RegistryFactory& registry,
                                 RegistryRoot root,
                                 std::string_view key,
                                 std::string_view name);

// The messages, CR LF between their lines.
std::string RegistryKeyMissingOnWriteMessage(std::string_view key, std::string_view name, std::string_view data);
std::string RegistryWriteFailedMessage(std::string_view key, std::string_view name, std::string_view data);
std::string RegistryKeyMissingOnDeleteMessage(std::string_view key, std::string_view name);
std::string RegistryRemovalFailedMessage(std::string_view key, std::string_view name);
std::string RegistryNeedsAdministratorMessage(std::string_view key, std::string_view name);

}  // namespace orvanta
