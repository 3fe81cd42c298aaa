#pragma once

#include <cstdint>
#include <string>

namespace orvanta {

// What Get_File_Status answers.
inline constexpr const char* kFileStatusNoFile = "";
inline constexpr const char* kFileStatusClosed = "CLOSED";
inline constexpr const char* kFileStatusOpen = "OPEN";
inline constexpr const char* kFileStatusNotFound = "NOT FOUND";
inline constexpr const char* kFileStatusError = "ERROR";

// The status of a file whose exclusive open failed with this system error code.
std::string FileStatusOfOpenError(std::uint32_t errorCode);

}  // namespace orvanta
