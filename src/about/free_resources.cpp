#include "about/free_resources.h"

namespace orvanta {

std::optional<std::string> Free_Resources_Percent(const MemoryStatus& status) {
    // In bytes rather than fractional kilobytes: the ratio is the same, and whole numbers round
    // a half exactly.
    constexpr std::uint64_t kKilobyte = 1024;
    std::uint64_t available = status.availablePhysical / kKilobyte * kKilobyte + status.availablePageFile;
    std::uint64_t total = status.totalPhysical / kKilobyte * kKilobyte + status.totalPageFile;
    if (total == 0) {
        return std::nullopt;
    }
    // Room for the factor 200 below; a machine would need 64 petabytes to lose the last bit here.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 56;
    while (available >= kLimit || total >= kLimit) {
        available >>= 1;
        total >>= 1;
    }
    const std::uint64_t percent = (available * 200 + total) / (2 * total);
    return std::to_string(percent) + "%";
}

}  // namespace orvanta
