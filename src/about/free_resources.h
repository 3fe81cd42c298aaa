#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvanta {

// The system's memory status in bytes. The page file figures are the commit limit and what is left
// of it, as Windows reports them.
struct MemoryStatus {
    std::uint64_t availablePhysical = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t totalPageFile = 0;
};

// The share of memory that is free, as a whole percentage with halves rounded up and "%" after it
// ("63%"). Physical memory counts in whole kilobytes, the page file to the byte. Nothing when the
// totals are zero, as from a status that could not be read.
std::optional<std::string> Free_Resources_Percent(const MemoryStatus& status);

}  // namespace orvanta
