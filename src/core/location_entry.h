#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// The list of other locations holds at most this many: one for each row of the main window
// below the current location.
inline constexpr int kMaxOtherLocations = 10;

// One other location as stored: "Tokyo:9.0". The first ":" separates the description from the
// offset text; an entry without ":" uses the whole text as both.
struct LocationEntryParts {
    std::string description;
    std::string offsetText;
};

LocationEntryParts SplitLocationEntry(std::string_view entry);

// Reads an offset in hours: optional spaces, an optional sign, digits, optionally "." and digits,
// optionally an exponent, optional spaces, nothing else. "." is the decimal point whatever the
// regional settings say. Nothing for any other text, or for a value too large to be finite.
std::optional<double> ParseOffsetHours(std::string_view offsetText);

}  // namespace orvanta
