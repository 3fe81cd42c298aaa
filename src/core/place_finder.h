#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/time_zone_rules.h"

namespace orvanta {

// One choice of the place finder.
struct PlaceMatch {
    std::string text;     // as listed: "Tokyo, Japan (UTC+09:00)"
    std::string keyName;  // the zone's key, as the system spells it; "" for the fixed offset
    std::string city;     // a name for an empty description box: "Tokyo"; "" when there is none
};

struct PlaceMatches {
    // The fixed offset first, always, then at most kMaxPlaceMatches places, best first.
    std::vector<PlaceMatch> choices;
    // Something was typed and no place matches it: the list says kNoPlaceFound below the fixed offset.
    bool noPlaceFound = false;
};

inline constexpr std::string_view kFixedOffsetChoice = "Fixed offset";
inline constexpr std::string_view kNoPlaceFound = "No place found";
inline constexpr std::size_t kMaxPlaceMatches = 50;

// The places whose name matches the typed text, among the zones the system has (`zones`, at the
// universal moment `universal` for their present difference from universal time):
// - cities ("New York", "Sao Paulo"), countries ("India"; one choice a zone for a country of several,
//   with its cities), zones by key name ("Tokyo Standard Time") and by display name, each of whose
//   places counts ("Osaka" in "(UTC+09:00) Osaka, Sapporo, Tokyo");
// - a difference from universal time: "+5:45", "UTC+9", "-3", "GMT-03:30", "+0545", "+5.75"; a
//   beginning lists the differences it begins ("+5" lists +5:30 and +5:45 after +5:00).
// Case and accents are ignored and a word matches by its beginning. Best first: the whole name,
// then its beginning, then the beginning of a later word; at each, cities before countries before
// zones; then by name. A city or a country of a zone that the system does not have is left out.
PlaceMatches FindPlaces(std::string_view typed, const std::vector<TimeZoneRules>& zones, LocalDateTime universal);

// The text as the finder compares it: ASCII letters in lower case, Latin-1 and Latin Extended-A
// letters as their ASCII letters ("São" "sao", "Straße" "strasse"), other letters as they are, and
// one space for each run of anything else (punctuation, control characters, invalid UTF-8).
std::string FoldForMatching(std::string_view utf8);

// A difference from universal time as the finder lists it: "(UTC+09:00)", "(UTC-03:30)".
std::string UtcDifferenceText(int minutes);

}  // namespace orvanta
