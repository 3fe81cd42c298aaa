#pragma once

#include <string>

namespace orvanta {

// "" for no name or no such file, "CLOSED" when the file can be opened for reading and writing
// with no sharing at all (no other program holds it open), otherwise "OPEN", "NOT FOUND" or
// "ERROR" by the reason the open failed. Leaves the file as it was.
std::string Get_File_Status(const std::string& fileName);

// Gives an existing file exactly the chosen ones of these four attributes; its other attributes
// stay. Does nothing for a missing file.
void Set_File_Attributes(const std::string& fileName, bool readOnly, bool archive, bool system, bool hidden);

// Clears the four attributes, then deletes the file if no other program holds it open at that
// moment. True when the file was deleted and is gone. One attempt: no retry, no message.
bool Delete_File_If_Closed(const std::string& fileName);

}  // namespace orvanta
