#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports/shell.h"

namespace orvanta {

inline constexpr const char* kNotepadMissingMessage = "Windows Notepad could not be found.";
inline constexpr const char* kNoFileToViewMessage = "No Log File to View.";
inline constexpr const char* kCatalogFileName = "catalog.txt";

// The executable's folder with its trailing separator (its file name: ExecutableFileName).
std::string ExecutableDirectory(std::string_view executablePath);

// The readme beside the executable: its name cut at the first "." (my.clock.exe gives my.txt).
std::string Readme_Path(std::string_view executablePath);
std::string Catalog_Path(std::string_view executablePath);
// Where Notepad has to be for the document commands to use it.
std::string Notepad_Path(std::string_view windowsDirectory);
// Notepad's command line: its full path, then the document's, each in quotes, so that a space in
// either stays inside its part.
std::string Notepad_Command_Line(std::string_view notepadPath, std::string_view documentPath);
std::string Catalog_Missing_Message(std::string_view productText);

// The document commands start the Notepad they found, by its full path, through the shell and answer the message the
// user is to see in an information box, if any. A missing Notepad is reported before an empty path.
std::optional<std::string> View_File_In_Notepad(Shell& shell, std::string_view documentPath);
// A missing readme is left to Notepad, which offers to create it.
std::optional<std::string> View_Readme_File(Shell& shell, std::string_view executablePath);
std::optional<std::string> View_Catalog_File(Shell& shell,
                                             std::string_view executablePath,
                                             std::string_view productText);

}  // namespace orvanta
