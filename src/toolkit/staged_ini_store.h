#pragma once

#include <string>

#include "ports/ini_store.h"

namespace orvanta::toolkit {

// One section of an INI file, saved all or nothing. The first write copies the live file (if any)
// into a temporary file beside it and every write goes there, through the profile functions, so
// that keys and sections not ours stay as they were. Commit() puts the temporary file in place of
// the live one in one step; until then the live file is untouched, and a store that is never
// committed deletes its temporary file.
//
// The file stays in the ANSI code page, byte for byte as the profile functions write it, while
// every value fits that code page. A value that does not fit turns the temporary file into UTF-16
// LE with a byte-order mark first; the profile functions read and keep that form.
class StagedIniStore final : public IniStore {
  public:
    StagedIniStore(std::string path, std::string section);
    StagedIniStore(const StagedIniStore&) = delete;
    StagedIniStore& operator=(const StagedIniStore&) = delete;
    ~StagedIniStore() override;

    // What a commit would leave: the temporary file once written to, the live file before.
    std::string ReadString(std::string_view key, std::string_view defaultValue) override;
    // False once any write has failed; every later write and the commit fail too.
    bool WriteString(std::string_view key, std::string_view value) override;
    // As a write: staged, and failing once any write has failed.
    bool DeleteKey(std::string_view key) override;
    // The live file.
    const std::string& Path() const override { return path_; }

    // Flushes the temporary file and replaces the live file with it, keeping the live file's
    // attributes. True when the live file now holds every write (also when there was none). On
    // any failure, now or in an earlier write, the live file stays byte for byte as it was and
    // the temporary file is deleted.
    [[nodiscard]] bool Commit();

    // The temporary file; empty before the first write and once it has gone.
    const std::wstring& StagingPath() const { return staging_; }

  private:
    bool Stage();
    bool ConvertStagingToUnicode();
    bool ReplaceLiveFile();
    void Discard();

    std::string path_;
    std::wstring widePath_;
    std::string section_;
    std::wstring wideSection_;
    std::wstring staging_;
    bool unicode_ = false;
    bool failed_ = false;
};

}  // namespace orvanta::toolkit
