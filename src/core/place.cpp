#include "core/place.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/decimal_text.h"

namespace orvanta {

namespace {

constexpr double kMillisecondsPerMinute = 60'000.0;
constexpr double kMinutesPerHour = 60.0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Advances over one or more digits; false when there is none.
bool SkipDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos > start;
}

bool SameKeyName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

Place Place::FromEntry(std::string_view entry, std::string zone) {
    Place place;
    const auto colon = entry.find(':');
    place.separated_ = colon != std::string_view::npos;
    place.description_ = entry.substr(0, colon);
    place.offsetText_ = place.separated_ ? entry.substr(colon + 1) : entry;
    place.offsetHours_ = ParseOffsetHours(place.offsetText_);
    place.zone_ = std::move(zone);
    return place;
}

Place Place::AtMinutes(std::string description, int minutes, std::string zone) {
    Place place;
    place.separated_ = true;
    place.description_ = std::move(description);
    place.zone_ = std::move(zone);
    return place.AtOffsetMinutes(minutes);
}

std::string Place::Entry() const {
    return separated_ ? description_ + ":" + offsetText_ : description_;
}

Place Place::AtOffsetMinutes(int minutes) const {
    Place place = *this;
    place.separated_ = true;
    place.offsetText_ = OffsetTextOfMinutes(minutes);
    place.offsetHours_ = minutes / kMinutesPerHour;
    return place;
}

std::optional<double> ParseOffsetHours(std::string_view offsetText) {
    std::size_t first = 0;
    while (first < offsetText.size() && offsetText[first] == ' ') {
        ++first;
    }
    std::size_t last = offsetText.size();
    while (last > first && offsetText[last - 1] == ' ') {
        --last;
    }
    const std::string_view number = offsetText.substr(first, last - first);

    // Check the whole grammar first: strtod alone would accept "inf", "nan" and hex floats and
    // stop quietly before trailing garbage.
    std::size_t pos = 0;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
        ++pos;
    }
    if (!SkipDigits(number, pos)) {
        return std::nullopt;
    }
    if (pos < number.size() && number[pos] == '.') {
        ++pos;
        if (!SkipDigits(number, pos)) {
            return std::nullopt;
        }
    }
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
            ++pos;
        }
        if (!SkipDigits(number, pos)) {
            return std::nullopt;
        }
    }
    if (pos != number.size()) {
        return std::nullopt;
    }
    return ReadDecimal(number);
}

std::string OffsetTextOfMinutes(int minutes) {
    if (minutes % 15 != 0) {
        // Not a zone's difference in practice; the shortest text that reads back keeps it exact.
        return ShortestDecimal(minutes / kMinutesPerHour);
    }
    // Quarter hours are exact in two decimals, halves in one: integer arithmetic writes them.
    const int magnitude = std::abs(minutes);
    static constexpr const char* kFractions[] = {".0", ".25", ".5", ".75"};
    return (minutes < 0 ? "-" : "") + std::to_string(magnitude / 60) + kFractions[magnitude % 60 / 15];
}

int LocalBiasMinutes(LocalDateTime local, LocalDateTime universal) {
    const double minutes =
        static_cast<double>(local.Milliseconds() - universal.Milliseconds()) / kMillisecondsPerMinute;
    return static_cast<int>(std::lround(minutes));
}

const TimeZoneRules* FindZone(const std::vector<TimeZoneRules>& zones, std::string_view keyName) {
    const auto found = std::find_if(zones.begin(), zones.end(), [keyName](const TimeZoneRules& zone) {
        return SameKeyName(zone.keyName, keyName);
    });
    return found == zones.end() ? nullptr : &*found;
}

const TimeZoneRules* ZoneOf(const Place& place, const ClockReading* reading) {
    if (!place.FollowsZone() || reading == nullptr || reading->zones == nullptr) {
        return nullptr;
    }
    return FindZone(*reading->zones, place.Zone());
}

int ZoneDifferenceMinutes(const TimeZoneRules& zone, const ClockReading& reading) {
    return ZoneOffsetMinutes(zone, reading.universal) - reading.localBiasMinutes;
}

std::optional<double> DifferenceHours(const Place& place, const ClockReading* reading) {
    if (const TimeZoneRules* zone = ZoneOf(place, reading)) {
        return ZoneDifferenceMinutes(*zone, *reading) / kMinutesPerHour;
    }
    return place.OffsetHours();
}

}  // namespace orvanta
