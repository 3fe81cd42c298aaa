#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

// The roots the program works under: the machine-wide hive for the auto-run entry, the user's
// own for scratch keys in tests.
enum class RegistryRoot { LocalMachine, CurrentUser };

// How a change to a value ended.
enum class RegistryChange {
    Done,
    KeyMissing,
    // The key is there, but this user may not change it: without an administrator's rights, the
    // machine-wide hive is read-only.
    AccessDenied,
    // Refused for any other reason; a value that was not there to delete is refused too.
    Failed,
};

// One registry access object under one root. A routine creates its own, uses it and lets it go
// before it returns. Each operation opens the key with just the rights it needs (querying values
// to read, setting values to write or delete) and closes it again, so that a user who may read
// but not change a key still reads the truth. Key paths may start with a backslash, which makes
// them absolute from the root. Nothing ever creates a key.
class Registry {
  public:
    virtual ~Registry() = default;
    // True when `key` opens for querying its values.
    virtual bool KeyExists(std::string_view key) = 0;
    // The text of a string or expandable-string value; empty text when the key or the value is
    // missing or the value holds data of any other type.
    virtual std::string ReadString(std::string_view key, std::string_view name) = 0;
    // True when a value of this name, of any type, is in `key`.
    virtual bool ValueExists(std::string_view key, std::string_view name) = 0;
    // Stores `data` as a string value with its terminating zero.
    virtual RegistryChange WriteString(std::string_view key, std::string_view name, std::string_view data) = 0;
    virtual RegistryChange DeleteValue(std::string_view key, std::string_view name) = 0;
};

// Makes a fresh access object under `root`.
using RegistryFactory = std::function<std::unique_ptr<Registry>(RegistryRoot root)>;

}  // namespace orvanta
