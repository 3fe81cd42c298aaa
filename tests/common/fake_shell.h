#pragma once

// A shell that remembers what it was asked to start and open, with files that exist only in it.
// Header-only and free of Windows, so the native and the in-process tests share it.

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "desktop/auto_run.h"
#include "ports/shell.h"

namespace orvanta::testing {

class FakeShell final : public Shell {
  public:
    bool FileExists(std::string_view path) override { return files.count(Folded(path)) > 0; }
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::string NameOnDisk(std::string_view path) override {
        for (const auto& name : namesOnDisk) {
            if (Folded(name) == Folded(ExecutableFileName(path))) {
                return name;
            }
        }
        return ExecutableFileName(path);
    }
    bool StartProgram(std::string_view programPath, std::string_view commandLine) override {
        started.push_back({std::string(programPath), std::string(commandLine)});
        return true;
    }
    void Open(std::string_view target) override { opened.emplace_back(target); }

    // File names compare without regard to case, as on Windows.
    void AddFile(std::string_view path) { files.insert(Folded(path)); }

    std::string windowsDirectory = "C:\\windows";
    std::set<std::string> files;
    std::vector<std::string> namesOnDisk;                 // file names as the disk spells them
    using Started = std::pair<std::string, std::string>;  // the program run, its command line
    std::vector<Started> started;
    std::vector<std::string> opened;

  private:
    static std::string Folded(std::string_view text) {
        std::string folded(text);
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return folded;
    }
};

}  // namespace orvanta::testing
