#include "core/place_finder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/place.h"
#include "core/place_finder_text.h"
#include "core/place_table.h"

namespace orvanta {

namespace {

// Better matches compare greater.
enum class Rank : std::uint8_t { kNone, kLaterWord, kBeginning, kWhole };
enum class Category : std::uint8_t { kCity, kCountry, kZone };

constexpr std::size_t kCitiesListed = 3;

// A match before it is written out, all of it views of the table, of the system's zones or of
// the typed text, so that ranking hundreds of them copies no text.
struct Candidate {
    Rank rank;
    Category category;
    std::string_view sortName;
    std::size_t order;  // the table's order, among equal names
    std::size_t zone;
    std::string_view name;                            // the city, the country or the zone
    std::string_view country;                         // a city's country, unless the city is named as it is
    std::string_view city;                            // for the description box
    std::array<std::uint16_t, kCitiesListed> listed;  // a country of several zones: its cities in this one
    std::size_t listedCount;
};

// How well the typed words match a name's words: all of them in order, the last by its beginning,
// from the name's first word or from a later one.
Rank RankOf(const Words& typed, const Words& name) {
    for (std::size_t start = 0; !typed.empty() && start + typed.size() <= name.size(); ++start) {
        bool matches = true;
        for (std::size_t i = 0; i < typed.size() && matches; ++i) {
            const std::string_view word = name[start + i];
            matches = i + 1 == typed.size() ? word.starts_with(typed[i]) : word == typed[i];
        }
        if (matches && start > 0) {
            return Rank::kLaterWord;
        }
        if (matches) {
            return typed.size() == name.size() && typed.back() == name.back() ? Rank::kWhole : Rank::kBeginning;
        }
    }
    return Rank::kNone;
}

Rank RankOfName(const Words& typed, std::string_view name) {
    const std::string folded = FoldForMatching(name);
    return RankOf(typed, SplitWords(folded));
}

// Byte by byte, ASCII letters without their case.
bool NameBefore(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

bool Better(const Candidate& a, const Candidate& b) {
    if (a.rank != b.rank || a.category != b.category) {
        return a.rank != b.rank ? a.rank > b.rank : a.category < b.category;
    }
    return NameBefore(a.sortName, b.sortName) || (!NameBefore(b.sortName, a.sortName) && a.order < b.order);
}

class Search {
  public:
    Search(const Words& typed, const std::vector<TimeZoneRules>& zones, LocalDateTime universal)
        : typed_(typed), zones_(zones), universal_(universal), differences_(zones.size()), bestPlace_(zones.size()) {
        for (const PlaceTableZoneKey& key : PlaceZoneKeys()) {
            const TimeZoneRules* zone = FindZone(zones, PlaceText(key.keyName));
            zoneOfKey_.push_back(zone == nullptr ? kMissing : static_cast<std::size_t>(zone - zones.data()));
        }
    }

    void Cities() {
        const auto cities = PlaceCities();
        for (std::size_t i = 0; i < cities.size(); ++i) {
            const PlaceTableCity& city = cities[i];
            const std::size_t zone = zoneOfKey_[city.zoneKey];
            const Rank rank = zone == kMissing ? Rank::kNone : RankOfName(typed_, PlaceText(city.matchName));
            if (rank != Rank::kNone) {
                const std::string_view name = PlaceText(city.name);
                const std::string_view country = PlaceText(PlaceCountries()[city.country].name);
                // "Singapore", not "Singapore, Singapore".
                AddPlace({rank, Category::kCity, PlaceText(city.matchName), i, zone, name,
                          name == country ? std::string_view() : country, name});
            }
        }
    }

    // A country of one zone is one choice named after it; a country of several gives one for each,
    // with the first of its cities there.
    void Countries() {
        const auto countries = PlaceCountries();
        for (std::size_t c = 0; c < countries.size(); ++c) {
            const Rank rank = RankOfName(typed_, PlaceText(countries[c].matchName));
            if (rank == Rank::kNone) {
                continue;
            }
            const std::string_view name = PlaceText(countries[c].name);
            const std::size_t first = candidates_.size();
            const auto cities = PlaceCities();
            const auto [begin, end] = std::equal_range(
                cities.begin(), cities.end(), PlaceTableCity{0, 0, static_cast<std::uint8_t>(c), 0},
                [](const PlaceTableCity& a, const PlaceTableCity& b) { return a.country < b.country; });
            for (const PlaceTableCity& city : std::span(begin, end)) {
                const std::size_t zone = zoneOfKey_[city.zoneKey];
                if (zone == kMissing) {
                    continue;
                }
                const auto known = std::find_if(candidates_.begin() + static_cast<std::ptrdiff_t>(first),
                                                candidates_.end(), [&](const Candidate& k) { return k.zone == zone; });
                if (known == candidates_.end()) {
                    AddPlace({rank,
                              Category::kCountry,
                              PlaceText(countries[c].matchName),
                              candidates_.size() - first,
                              zone,
                              name,
                              {},
                              PlaceText(city.name),
                              {city.name},
                              1});
                } else if (known->listedCount < kCitiesListed) {
                    known->listed[known->listedCount++] = city.name;
                }
            }
            if (candidates_.size() == first + 1) {
                candidates_.back().listedCount = 0;
                candidates_.back().city = name;
            }
        }
    }

    // A zone by its key name or by a place of its display name, unless a city or a country of the
    // zone already matches as well.
    void ZonesByName() {
        for (std::size_t zone = 0; zone < zones_.size(); ++zone) {
            const TimeZoneRules& rules = zones_[zone];
            Rank best = RankOfName(typed_, rules.keyName);
            std::string_view city = PrincipalCity(zone);
            for (const std::string_view part : DisplayNameParts(rules.displayName)) {
                const Rank rank = RankOfName(typed_, part);
                if (rank > best) {
                    best = rank;
                    city = IsPlaceName(part) ? part : PrincipalCity(zone);
                }
            }
            if (best > bestPlace_[zone]) {
                AddZone(best, zone, city);
            }
        }
    }

    void ZonesByDifference(const TypedDifference& typed) {
        for (std::size_t zone = 0; zone < zones_.size(); ++zone) {
            const DifferenceMatch match = MatchDifference(typed, Difference(zone));
            if (match != DifferenceMatch::kNone) {
                AddZone(match == DifferenceMatch::kExact ? Rank::kWhole : Rank::kBeginning, zone, PrincipalCity(zone));
            }
        }
    }

    // The best first; a city named as its country gives that country's choice a second time.
    std::vector<PlaceMatch> Best() {
        std::sort(candidates_.begin(), candidates_.end(), Better);
        std::vector<PlaceMatch> best;
        for (std::size_t i = 0; i < candidates_.size() && best.size() < kMaxPlaceMatches; ++i) {
            PlaceMatch match = Written(candidates_[i]);
            if (std::none_of(best.begin(), best.end(), [&](const PlaceMatch& b) { return b.text == match.text; })) {
                best.push_back(std::move(match));
            }
        }
        return best;
    }

  private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    int Difference(std::size_t zone) {
        if (!differences_[zone]) {
            differences_[zone] = ZoneOffsetMinutes(zones_[zone], universal_);
        }
        return *differences_[zone];
    }

    // The best-known city of a zone the table has, for a choice that names no place.
    std::string_view PrincipalCity(std::size_t zone) const {
        const auto key = std::find(zoneOfKey_.begin(), zoneOfKey_.end(), zone);
        return key == zoneOfKey_.end()
                   ? std::string_view()
                   : PlaceText(PlaceZoneKeys()[static_cast<std::size_t>(key - zoneOfKey_.begin())].principalCity);
    }

    void AddPlace(const Candidate& candidate) {
        bestPlace_[candidate.zone] = std::max(bestPlace_[candidate.zone], candidate.rank);
        candidates_.push_back(candidate);
    }

    void AddZone(Rank rank, std::size_t zone, std::string_view city) {
        const std::string_view shown = WithoutDifference(zones_[zone].displayName);
        candidates_.push_back({rank, Category::kZone, shown, zone, zone, shown, {}, city});
    }

    // "Tokyo, Japan (UTC+09:00)", "United States: New York, Detroit, Louisville (UTC-05:00)".
    PlaceMatch Written(const Candidate& candidate) {
        std::string text(candidate.name);
        if (!candidate.country.empty()) {
            text.append(", ").append(candidate.country);
        }
        for (std::size_t i = 0; i < candidate.listedCount; ++i) {
            text.append(i == 0 ? ": " : ", ").append(PlaceText(candidate.listed[i]));
        }
        text.append(" ").append(UtcDifferenceText(Difference(candidate.zone)));
        return {std::move(text), zones_[candidate.zone].keyName, std::string(candidate.city)};
    }

    const Words& typed_;
    const std::vector<TimeZoneRules>& zones_;
    LocalDateTime universal_;
    std::vector<std::optional<int>> differences_;  // worked out once a zone is first needed
    std::vector<Rank> bestPlace_;                  // of the cities and countries that follow each zone
    std::vector<std::size_t> zoneOfKey_;           // the system's zone of each key of the table
    std::vector<Candidate> candidates_;
};

}  // namespace

PlaceMatches FindPlaces(std::string_view typed, const std::vector<TimeZoneRules>& zones, LocalDateTime universal) {
    PlaceMatches result;
    result.choices.push_back({std::string(kFixedOffsetChoice), {}, {}});
    const std::string folded = FoldForMatching(typed);
    const Words words = SplitWords(folded);
    Search search(words, zones, universal);
    // A text that reads as a difference is one; its digits name no place.
    if (const auto difference = ReadDifference(typed)) {
        search.ZonesByDifference(*difference);
    } else if (!words.empty()) {
        search.Cities();
        search.Countries();
        search.ZonesByName();
    }
    for (PlaceMatch& match : search.Best()) {
        result.choices.push_back(std::move(match));
    }
    result.noPlaceFound = result.choices.size() == 1 && HasVisibleText(typed);
    return result;
}

}  // namespace orvanta
