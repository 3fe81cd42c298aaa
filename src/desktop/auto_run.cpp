#include "desktop/auto_run.h"

#include <algorithm>

#include "core/message_lines.h"
#include "desktop/registry_routines.h"

namespace orvanta {

namespace {

// Only a to z: a locale's idea of case would make the answer depend on the machine.
char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string ExecutableFileName(std::string_view executablePath) {
    const auto separator = executablePath.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? executablePath : executablePath.substr(separator + 1));
}

bool SamePathIgnoringAsciiCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

std::string AutoRunEnabledMessage(std::string_view fileName) {
    return "This program (" + std::string(fileName) + ") will now run automatically at Windows Start-Up.";
}

std::string AutoRunDisabledMessage(std::string_view fileName) {
    return "This program (" + std::string(fileName) + ") will now no-longer run automatically at Windows Start-Up.";
}

std::string AutoRunPathMismatchQuestion(std::string_view fileName,
                                        std::string_view storedPath,
                                        std::string_view currentPath) {
    const std::string first =
        "The directory / path settings required to make this program (" + std::string(fileName) + ")";
    const std::string old = " Old      = " + std::string(storedPath);
    const std::string current = " Current = " + std::string(currentPath);
    return JoinMessageLines({
        first,
        "run automatically at Windows Start-up do not match where the program ",
        "is currently being run from.",
        "",
        old,
        current,
        "",
        "Do you want to update the Windows Registry to reflect the programs current locaton ?",
    });
}

bool Enable_Auto_Run(const AutoRun& autoRun) {
    const std::string fileName = ExecutableFileName(autoRun.executablePath);
    if (!Write_Registry_String(autoRun.registry, autoRun.dialogs, kAutoRunRoot, kAutoRunKey, fileName,
                               autoRun.executablePath)) {
        return false;
    }
    autoRun.dialogs.Inform(AutoRunEnabledMessage(fileName));
    return true;
}

bool Disable_Auto_Run(const AutoRun& autoRun) {
    const std::string fileName = ExecutableFileName(autoRun.executablePath);
    if (!Delete_Registry_Value(autoRun.registry, autoRun.dialogs, kAutoRunRoot, kAutoRunKey, fileName)) {
        return false;
    }
    autoRun.dialogs.Inform(AutoRunDisabledMessage(fileName));
    return true;
}

bool AutoRunCheckAfterClick(bool checked, const AutoRun& autoRun) {
    return checked ? !Disable_Auto_Run(autoRun) : Enable_Auto_Run(autoRun);
}

bool Check_Auto_Run_Path(const AutoRun& autoRun) {
    const std::string fileName = ExecutableFileName(autoRun.executablePath);
    const std::string stored = Read_Registry_String(autoRun.registry, kAutoRunRoot, kAutoRunKey, fileName);
    if (stored.empty()) {
        return false;
    }
    if (SamePathIgnoringAsciiCase(stored, autoRun.executablePath)) {
        return true;
    }
    const DialogButton answer = autoRun.dialogs.Show(
        MessageKind::Warning, AutoRunPathMismatchQuestion(fileName, stored, autoRun.executablePath), ButtonSet::YesNo,
        DialogButton::Yes);
    if (answer == DialogButton::Yes) {
        // Enable_Auto_Run reports its own outcome; the entry exists either way.
        static_cast<void>(Enable_Auto_Run(autoRun));
    }
    return true;
}

}  // namespace orvanta
