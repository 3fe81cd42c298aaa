#pragma once

#include <windows.h>

#include "ports/shell.h"

namespace orvanta::toolkit {

// The shell port on Windows: file attributes, the Windows directory, CreateProcessW and
// ShellExecuteW.
class WinShell final : public Shell {
  public:
    // The window that owns whatever the shell shows for a target (an error box, say).
    void SetParentWindow(HWND parent) { parent_ = parent; }

    bool FileExists(std::string_view path) override;
    std::string WindowsDirectory() override;
    std::string NameOnDisk(std::string_view path) override;
    bool StartProgram(std::string_view programPath, std::string_view commandLine) override;
    void Open(std::string_view target) override;

  private:
    HWND parent_ = nullptr;
};

}  // namespace orvanta::toolkit
