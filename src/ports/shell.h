#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// What the program asks of the Windows shell and the file system besides its settings file:
// finding Notepad, starting it, and handing addresses to whatever program the user has chosen.
class Shell {
  public:
    virtual ~Shell() = default;
    // True when there is a file (not a folder) at the path.
    virtual bool FileExists(std::string_view path) = 0;
    // The Windows directory; it ends in a separator only when it is a drive's root.
    virtual std::string WindowsDirectory() = 0;
    // The last part of the path as the file system spells it (its letters' case); the path's own
    // last part when there is no such file.
    virtual std::string NameOnDisk(std::string_view path) = 0;
    // Starts the program at `programPath`, a full path that is never searched for, with the whole
    // `commandLine` (its own name first, as programs expect), in the normal show state, and does
    // not wait for it. True when it started.
    virtual bool StartProgram(std::string_view programPath, std::string_view commandLine) = 0;
    // Hands a target (an address or a file) to the shell with the verb "open", in the normal show
    // state. Whether a program took it is not known.
    virtual void Open(std::string_view target) = 0;
};

}  // namespace orvanta
