#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvanta {

// The roots the program works under: the machine-wide hive for the auto-run entry, the user's
// own for scratch keys in tests.
enum class RegistryRoot { LocalMachine, CurrentUser };

// One registry access object under one root. A routine creates its own, uses it and lets it go
// before it returns, so that no key stays open between calls. Key paths may start with a
// backslash, which makes them absolute from the root. Every opening asks for full access and
// nothing ever creates a key.
class Registry {
  public:
    virtual ~Registry() = default;
    // True when `key` opens with full access; it is closed again at once.
    virtual bool KeyExists(std::string_view key) = 0;
    // Opens `key` with full access, without creating it, for the value operations below.
    virtual bool OpenKey(std::string_view key) = 0;
    // The text of a string or expandable-string value of the open key; empty text when the value
    // is missing or holds data of any other type.
    virtual std::string ReadString(std::string_view name) = 0;
    // Stores `data` as a string value with its terminating zero; false when the system refuses.
    virtual bool WriteString(std::string_view name, std::string_view data) = 0;
    // False when the system refuses; a missing value is refused too.
    virtual bool DeleteValue(std::string_view name) = 0;
    // True when a value of this name, of any type, is in the open key.
    virtual bool ValueExists(std::string_view name) = 0;
};

// Makes a fresh access object under `root`.
using RegistryFactory = std::function<std::unique_ptr<Registry>(RegistryRoot root)>;

}  // namespace orvanta
