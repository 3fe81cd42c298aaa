#pragma once

#include <string>

#include "core/ini_file_encoding.h"
#include "ports/ini_store.h"

namespace orvanta::toolkit {

// One section of an INI file, saved all or nothing. The first write copies the live file (if any)
// into a temporary file beside it and every write goes there, through the profile functions, so
// that keys and sections not ours stay as they were. Commit() puts the temporary file in place of
// the live one in one step; until then the live file is untouched, and a store that is never
// committed deletes its temporary file.
//
// The file keeps its encoding where the profile functions of Windows and Wine alike read and write
// it in that encoding: an ANSI file stays byte for byte as the profile functions write it while
// every value fits the code page, and a UTF-16 LE file with its byte-order mark stays so. A value
// that does not fit an ANSI file, and any save into a UTF-8 or UTF-16 BE file with its mark (which
// Windows reads as ANSI), turns the temporary file into UTF-16 LE with its mark first, holding the
// same text, decoded by the file's mark (core/ini_file_encoding).
class StagedIniStore final : public IniStore {
  public:
    StagedIniStore(std::string path, std::string section);
    StagedIniStore(const StagedIniStore&) = delete;
    StagedIniStore& operator=(const StagedIniStore&) = delete;
    ~StagedIniStore() override;

    // Reads from now on what a save would start from: a UTF-8 or UTF-16 BE file from a temporary
    // UTF-16 LE copy of its text, so that Windows, whose profile functions take those for ANSI,
    // reads the values a save keeps. Any other file, or one that cannot be copied, is read as it is.
    void ReadAsSaved();

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

    // After a successful commit, what the user is to be told once, naming the file: empty unless
    // some bytes of the file were not valid in its encoding and had to be replaced.
    const std::string& Notice() const { return notice_; }

    // The temporary file; empty before the first write and once it has gone.
    const std::wstring& StagingPath() const { return staging_; }

  private:
    bool Stage();
    bool ConvertStagingToUnicode();
    void NoteWhetherExact(const ConvertedIniFile& converted);
    bool ReplaceLiveFile();
    void Discard();

    std::string path_;
    std::wstring widePath_;
    std::string section_;
    std::wstring wideSection_;
    AnsiCodePage codePage_;
    std::wstring staging_;
    std::string notice_;
    bool unicode_ = false;
    bool failed_ = false;
};

}  // namespace orvanta::toolkit
