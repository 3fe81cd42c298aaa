// The entry and offset grammar: whatever a hand edit left in an entry becomes a place without
// fault, is written back as it came, and a number it accepts is the number the text says.

#include <cmath>
#include <cstdlib>
#include <string>

#include "core/place.h"
#include "fuzz_input.h"

using namespace orvanta;

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CheckPlace(std::string_view entry) {
    const Place place = Place::FromEntry(entry);
    fuzz::Require(place.Description().find(':') == std::string::npos, "a description holds a \":\"");
    fuzz::Require(place.Entry() == entry, "an entry is not written back as it came");
    if (entry.find(':') == std::string_view::npos) {
        fuzz::Require(place.Description() == entry && place.OffsetText() == entry, "an entry without \":\" split");
    }
    fuzz::Require(place.OffsetHours() == ParseOffsetHours(place.OffsetText()), "the offset read once differs");
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

    // Whole minutes, as the dialog and a zone's difference give them, read back to the minute.
    if (std::fabs(*hours) < 1e6) {
        const int minutes = static_cast<int>(std::lround(*hours * 60));
        fuzz::Require(Place::AtMinutes("", minutes).OffsetHours() == ParseOffsetHours(OffsetTextOfMinutes(minutes)),
                      "minutes do not read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::string_view entry = input.Rest();
    CheckPlace(entry);
    CheckOffset(Place::FromEntry(entry).OffsetText());
    // The whole input as an offset too, so the grammar is reached without a ":" in front.
    CheckOffset(entry);
    return 0;
}
