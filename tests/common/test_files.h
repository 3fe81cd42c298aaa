#pragma once

// Files and folders for the tests that run on Windows or under Wine, in-process and end to end.

#include <string>

namespace orvanta::testing {

// A folder of its own under the temporary folder, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    // With the trailing backslash.
    const std::string& Path() const { return path_; }
    const std::wstring& WidePath() const { return widePath_; }

  private:
    std::string path_;
    std::wstring widePath_;
};

// Paths are UTF-8 or UTF-16; contents are bytes as they stand on disk.
std::string ReadFileBytes(const std::wstring& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::wstring& path, const std::string& contents);
void WriteFileBytes(const std::string& path, const std::string& contents);
bool FileExists(const std::string& path);

}  // namespace orvanta::testing
