#include "appearance/file_status.h"

namespace orvanta {

namespace {

// The system's error codes, kept here by value so that this table needs no Windows header.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kNotReady = 21;
constexpr std::uint32_t kNotDosDisk = 26;
constexpr std::uint32_t kSectorNotFound = 27;
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kLockViolation = 33;

}  // namespace

std::string FileStatusOfOpenError(std::uint32_t errorCode) {
    switch (errorCode) {
        case kSharingViolation:
        case kLockViolation:
            return kFileStatusOpen;
        case kFileNotFound:
        case kPathNotFound:
        case kNotReady:
        case kNotDosDisk:
        case kSectorNotFound:
            return kFileStatusNotFound;
        default:
            return kFileStatusError;
    }
}

}  // namespace orvanta
