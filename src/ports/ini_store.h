#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// One section of one INI file. Key names are matched without regard to case.
// Created, used and released within one routine: nothing stays open.
class IniStore {
  public:
    virtual ~IniStore() = default;
    // The whole value, however long, or the default when the key is missing.
    virtual std::string ReadString(std::string_view key, std::string_view defaultValue) = 0;
    // True when the value is now stored.
    virtual bool WriteString(std::string_view key, std::string_view value) = 0;
    // True when the key is now absent, also when it never was there; the file then keeps its bytes.
    virtual bool DeleteKey(std::string_view key) = 0;
    // The file's full path, for messages.
    virtual const std::string& Path() const = 0;
};

}  // namespace orvanta
