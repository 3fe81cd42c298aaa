// The entry and offset grammar: whatever a hand edit left in an entry, or whatever was typed into
// the offset box, splits and reads without fault, and a number it accepts is the number the text
// says.

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/location_entry.h"
#include "fuzz_input.h"
#include "settings/location_editing.h"

using namespace orvanta;

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CheckSplit(std::string_view entry) {
    const LocationEntryParts parts = SplitLocationEntry(entry);
    fuzz::Require(parts.description.find(':') == std::string::npos, "a description holds a \":\"");
    if (entry.find(':') == std::string_view::npos) {
        fuzz::Require(parts.description == entry && parts.offsetText == entry, "an entry without \":\" split");
    } else {
        fuzz::Require(parts.description + ":" + parts.offsetText == entry, "split and joined differs");
    }
}

// Another reader of the same number: strtod, which the grammar check keeps away from everything
// it would also accept ("inf", hexadecimal, trailing garbage).
void CheckOffset(std::string_view offsetText) {
    const auto hours = ParseOffsetHours(offsetText);
    if (!hours) {
        return;
    }
    fuzz::Require(std::isfinite(*hours), "an accepted offset is not finite");
    const std::string trimmed(TrimSpaces(offsetText));
    char* end = nullptr;
    const double other = std::strtod(trimmed.c_str(), &end);
    fuzz::Require(end == trimmed.c_str() + trimmed.size(), "strtod does not take all of an accepted offset");
    if (*hours == 0.0) {
        // Underflow reads as zero; strtod may keep a subnormal.
        fuzz::Require(std::fabs(other) < 1e-300, "a zero offset that strtod reads as a number");
    } else {
        fuzz::Require(other == *hours, "strtod reads another value");
    }

    // The spin button starts from whatever was typed and always writes back a readable offset.
    for (const int direction : {-1, 1}) {
        const std::string stepped = StepOffsetText(offsetText, direction);
        fuzz::Require(ParseOffsetHours(stepped).has_value(), "a stepped offset does not read back: " + stepped);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view entry = input.Rest();
    CheckSplit(entry);
    CheckOffset(SplitLocationEntry(entry).offsetText);
    // The whole input as an offset too, so the grammar is reached without a ":" in front.
    CheckOffset(entry);
    return 0;
}
