#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The pieces of text the place finder reads: words, display names and differences from universal
// time. FoldForMatching and UtcDifferenceText, which the windows use too, are in place_finder.h.

using Words = std::vector<std::string_view>;

// The words of a text FoldForMatching gave.
Words SplitWords(std::string_view folded);

// Whether the text holds anything but white space.
bool HasVisibleText(std::string_view text);

// A display name without the difference it begins with: "Osaka, Sapporo, Tokyo" of
// "(UTC+09:00) Osaka, Sapporo, Tokyo". The winter difference it names is wrong half the year.
std::string_view WithoutDifference(std::string_view displayName);

// The places and names a display name lists, split at its commas: "Osaka", "Sapporo", "Tokyo".
std::vector<std::string_view> DisplayNameParts(std::string_view displayName);

// Whether a part of a display name names a place ("Osaka", "Central America") rather than a time
// ("Eastern Time (US & Canada)", "Coordinated Universal Time-11").
bool IsPlaceName(std::string_view part);

// A difference from universal time as typed, perhaps not yet to its end: "+5:4" on the way to "+5:45".
// Its digits are views of the typed text.
struct TypedDifference {
    char sign = '+';
    std::string_view hours;     // one or two digits as typed
    bool minutesGiven = false;  // after a colon, or the last two of three or four digits
    std::string_view minutes;   // none, one or both digits
    bool decimal = false;       // hours with decimals, "+5.75", which are only ever whole
    int exactMinutes = -1;      // the whole difference in minutes, sign aside; -1 while it is unfinished
};

// "+5:45", "UTC+9", "-3", "GMT-03:30", "+0545", "+5.75", "UTC −3" (a minus sign); nothing for any
// other text, and for more than 14 hours.
std::optional<TypedDifference> ReadDifference(std::string_view typed);

enum class DifferenceMatch { kNone, kBeginning, kExact };

// Whether the typed difference is `minutes` or the beginning of how it is written.
DifferenceMatch MatchDifference(const TypedDifference& typed, int minutes);

}  // namespace orvanta
