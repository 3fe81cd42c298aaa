#include "desktop/documents.h"

#include "desktop/auto_run.h"

namespace orvanta {

namespace {

std::size_t NameStart(std::string_view path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string ExecutableDirectory(std::string_view executablePath) {
    return std::string(executablePath.substr(0, NameStart(executablePath)));
}

std::string Readme_Path(std::string_view executablePath) {
    const std::string name = ExecutableFileName(executablePath);
    return ExecutableDirectory(executablePath) + name.substr(0, name.find('.')) + ".txt";
}

std::string Catalog_Path(std::string_view executablePath) {
    return ExecutableDirectory(executablePath) + kCatalogFileName;
}

std::string Notepad_Path(std::string_view windowsDirectory) {
    // The root of a drive already ends in its separator.
    const bool hasSeparator =
        !windowsDirectory.empty() && (windowsDirectory.back() == '\\' || windowsDirectory.back() == '/');
    return std::string(windowsDirectory) + (hasSeparator ? "" : "\\") + "Notepad.EXE";
}

std::string Notepad_Command_Line(std::string_view notepadPath, std::string_view documentPath) {
    // A Windows path holds no quote of its own, and a document's path never ends in the
    // backslash that would escape the closing one.
    return "\"" + std::string(notepadPath) + "\" \"" + std::string(documentPath) + "\"";
}

std::string Catalog_Missing_Message(std::string_view productText) {
    return "Tamsor's Shareware Catalog is not in the same directory as " + std::string(productText) + ".  " +
           "The required file 'catalog.txt' was included in the " +
           "distribution ZIP file.  Please unzip this file and try again.";
}

std::optional<std::string> View_File_In_Notepad(Shell& shell, std::string_view documentPath) {
    const std::string notepad = Notepad_Path(shell.WindowsDirectory());
    if (!shell.FileExists(notepad)) {
        return kNotepadMissingMessage;
    }
    if (documentPath.empty()) {
        return kNoFileToViewMessage;
    }
    // Notepad was found a moment ago; should it still not start, no window opening is all the
    // user sees, as with any program started from the shell.
    shell.StartProgram(notepad, Notepad_Command_Line(notepad, documentPath));
    return std::nullopt;
}

std::optional<std::string> View_Readme_File(Shell& shell, std::string_view executablePath) {
    return View_File_In_Notepad(shell, Readme_Path(executablePath));
}

std::optional<std::string> View_Catalog_File(Shell& shell,
                                             std::string_view executablePath,
                                             std::string_view productText) {
    const std::string catalog = Catalog_Path(executablePath);
    if (!shell.FileExists(catalog)) {
        return Catalog_Missing_Message(productText);
    }
    return View_File_In_Notepad(shell, catalog);
}

}  // namespace orvanta
