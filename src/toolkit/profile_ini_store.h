#pragma once

#include <string>

#include "ports/ini_store.h"

namespace orvanta::toolkit {

// One section of an INI file through the Windows profile functions, which keep an ANSI file ANSI.
class ProfileIniStore final : public IniStore {
  public:
    ProfileIniStore(std::string path, std::string section);

    std::string ReadString(std::string_view key, std::string_view defaultValue) override;
    bool WriteString(std::string_view key, std::string_view value) override;
    bool DeleteKey(std::string_view key) override;
    const std::string& Path() const override { return path_; }

  private:
    std::string path_;
    std::wstring widePath_;
    std::wstring section_;
};

}  // namespace orvanta::toolkit
