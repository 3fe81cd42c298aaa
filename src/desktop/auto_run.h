#pragma once

#include <string>
#include <string_view>

#include "ports/message_dialogs.h"
#include "ports/registry.h"

namespace orvanta {

// Where Windows looks for programs to start at log-on, for every user of the machine.
inline constexpr RegistryRoot kAutoRunRoot = RegistryRoot::LocalMachine;
inline constexpr const char* kAutoRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// What the auto-run operations work on: the registry, the dialogs, and the running executable,
// whose file name names the value and whose full path is its data.
struct AutoRun {
    RegistryFactory registry;
    MessageDialogs& dialogs;
    std::string executablePath;
};

// Enters the executable in the Run key, over any entry of its name, and says so.
bool Enable_Auto_Run(const AutoRun& autoRun);
// Removes the entry and says so; success also when there was none.
bool Disable_Auto_Run(const AutoRun& autoRun);
// The menu entry's click: disables when `checked`, enables otherwise; answers the check mark's new
// state, which changes only when the operation succeeded.
bool AutoRunCheckAfterClick(bool checked, const AutoRun& autoRun);
// At start-up: true when an entry of the executable's name exists. An entry that points somewhere
// else raises the question whether to rewrite it; true whatever the answer.
bool Check_Auto_Run_Path(const AutoRun& autoRun);

// The file name of a path, without its folder.
std::string ExecutableFileName(std::string_view executablePath);
// Equal once the ASCII letters are put in upper case; every other character must match exactly.
bool SamePathIgnoringAsciiCase(std::string_view left, std::string_view right);

std::string AutoRunEnabledMessage(std::string_view fileName);
std::string AutoRunDisabledMessage(std::string_view fileName);
std::string AutoRunPathMismatchQuestion(std::string_view fileName,
                                        std::string_view storedPath,
                                        std::string_view currentPath);

}  // namespace orvanta
