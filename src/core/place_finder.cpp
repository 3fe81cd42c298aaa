#include "core/place_finder.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/place.h"
#include "core/place_finder_text.h"
#include "core/place_table.h"

namespace orvanta {

namespace {

// Better matches compare greater.
enum class Rank { kNone, kLaterWord, kBeginning, kWhole };
enum class Category { kCity, kCountry, kZone };

struct Candidate {
    Rank rank;
    Category category;
    std::string sortName;
    std::size_t order;  // the table's order, among equal names
    PlaceMatch match;
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

// What a search knows of the system's zones: which the table's keys are, and their present
// difference from universal time, worked out once a zone is first shown.
class SystemZones {
  public:
    SystemZones(const std::vector<TimeZoneRules>& zones, LocalDateTime universal)
        : zones_(zones), universal_(universal), differences_(zones.size()) {
        const auto keys = PlaceZoneKeys();
        indexOfKey_.reserve(keys.size());
        for (const PlaceTableZoneKey& key : keys) {
            const TimeZoneRules* zone = FindZone(zones, PlaceText(key.keyName));
            indexOfKey_.push_back(zone == nullptr ? kMissing : static_cast<std::size_t>(zone - zones.data()));
        }
    }

    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

    std::size_t IndexOfKey(std::uint8_t key) const { return key < indexOfKey_.size() ? indexOfKey_[key] : kMissing; }
    const TimeZoneRules& Zone(std::size_t index) const { return zones_[index]; }
    std::size_t Count() const { return zones_.size(); }

    int Difference(std::size_t index) {
        if (!differences_[index]) {
            differences_[index] = ZoneOffsetMinutes(zones_[index], universal_);
        }
        return *differences_[index];
    }

    // The best-known city of a zone the table has, for a choice that names no place.
    std::string PrincipalCity(std::size_t index) const {
        const auto found = std::find(indexOfKey_.begin(), indexOfKey_.end(), index);
        return found == indexOfKey_.end()
                   ? std::string()
                   : std::string(PlaceText(
                         PlaceZoneKeys()[static_cast<std::size_t>(found - indexOfKey_.begin())].principalCity));
    }

  private:
    const std::vector<TimeZoneRules>& zones_;
    LocalDateTime universal_;
    std::vector<std::optional<int>> differences_;
    std::vector<std::size_t> indexOfKey_;
};

class Search {
  public:
    Search(const Words& typed, SystemZones& zones) : typed_(typed), zones_(zones), bestPlaceOfZone_(zones.Count()) {}

    void Cities() {
        const auto cities = PlaceCities();
        for (std::size_t i = 0; i < cities.size(); ++i) {
            const PlaceTableCity& city = cities[i];
            const std::size_t zone = zones_.IndexOfKey(city.zoneKey);
            const Rank rank =
                zone == SystemZones::kMissing ? Rank::kNone : RankOfName(typed_, PlaceText(city.matchName));
            if (rank != Rank::kNone) {
                const std::string name(PlaceText(city.name));
                const std::string_view country = PlaceText(PlaceCountries()[city.country].name);
                // "Singapore", not "Singapore, Singapore".
                const std::string place = name == country ? name : name + ", " + std::string(country);
                Add(rank, Category::kCity, city.matchName, i, zone,
                    {place + " " + UtcDifferenceText(zones_.Difference(zone)), {}, name});
            }
        }
    }

    // A country of one zone is one choice named after it; a country of several gives one for each,
    // with the first of its cities there.
    void Countries() {
        const auto countries = PlaceCountries();
        for (std::size_t c = 0; c < countries.size(); ++c) {
            const PlaceTableCountry& country = countries[c];
            const Rank rank = RankOfName(typed_, PlaceText(country.matchName));
            if (rank == Rank::kNone) {
                continue;
            }
            const auto groups = CitiesByZone(country);
            const std::string name(PlaceText(country.name));
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const auto& [zone, cities] = groups[g];
                const std::string difference = UtcDifferenceText(zones_.Difference(zone));
                if (groups.size() == 1) {
                    Add(rank, Category::kCountry, country.matchName, 0, zone, {name + " " + difference, {}, name});
                    continue;
                }
                std::string listed = name + ":";
                for (std::size_t i = 0; i < cities.size() && i < kCitiesListed; ++i) {
                    listed += (i == 0 ? " " : ", ") + std::string(PlaceText(cities[i]));
                }
                Add(rank, Category::kCountry, country.matchName, g, zone,
                    {listed + " " + difference, {}, std::string(PlaceText(cities.front()))});
            }
        }
    }

    // A zone by its key name or by a place of its display name, unless a city or a country of the
    // zone already matches as well.
    void ZonesByName() {
        for (std::size_t zone = 0; zone < zones_.Count(); ++zone) {
            const TimeZoneRules& rules = zones_.Zone(zone);
            Rank best = RankOfName(typed_, rules.keyName);
            std::string city = zones_.PrincipalCity(zone);
            for (const std::string_view part : DisplayNameParts(rules.displayName)) {
                const Rank rank = RankOfName(typed_, part);
                if (rank > best) {
                    best = rank;
                    city = IsPlaceName(part) ? std::string(part) : zones_.PrincipalCity(zone);
                }
            }
            if (best > bestPlaceOfZone_[zone]) {
                AddZone(best, zone, std::move(city));
            }
        }
    }

    void ZonesByDifference(const TypedDifference& typed) {
        for (std::size_t zone = 0; zone < zones_.Count(); ++zone) {
            const DifferenceMatch match = MatchDifference(typed, zones_.Difference(zone));
            if (match != DifferenceMatch::kNone) {
                AddZone(match == DifferenceMatch::kExact ? Rank::kWhole : Rank::kBeginning, zone,
                        zones_.PrincipalCity(zone));
            }
        }
    }

    std::vector<PlaceMatch> Best() {
        std::sort(candidates_.begin(), candidates_.end(), [](const Candidate& a, const Candidate& b) {
            return std::tie(b.rank, a.category, a.sortName, a.order) <
                   std::tie(a.rank, b.category, b.sortName, b.order);
        });
        // A city named as its country gives the country's choice a second time.
        std::vector<PlaceMatch> best;
        for (std::size_t i = 0; i < candidates_.size() && best.size() < kMaxPlaceMatches; ++i) {
            PlaceMatch& match = candidates_[i].match;
            if (std::none_of(best.begin(), best.end(), [&](const PlaceMatch& b) { return b.text == match.text; })) {
                best.push_back(std::move(match));
            }
        }
        return best;
    }

  private:
    static constexpr std::size_t kCitiesListed = 3;

    std::vector<std::pair<std::size_t, std::vector<std::uint16_t>>> CitiesByZone(const PlaceTableCountry& country) {
        std::vector<std::pair<std::size_t, std::vector<std::uint16_t>>> groups;
        for (const PlaceTableCity& city : PlaceCities().subspan(country.firstCity, country.cityCount)) {
            const std::size_t zone = zones_.IndexOfKey(city.zoneKey);
            if (zone == SystemZones::kMissing) {
                continue;
            }
            auto group = std::find_if(groups.begin(), groups.end(), [zone](const auto& g) { return g.first == zone; });
            if (group == groups.end()) {
                group = groups.insert(groups.end(), {zone, {}});
            }
            group->second.push_back(city.name);
        }
        return groups;
    }

    void Add(Rank rank,
             Category category,
             std::uint16_t matchName,
             std::size_t order,
             std::size_t zone,
             PlaceMatch match) {
        match.keyName = zones_.Zone(zone).keyName;
        bestPlaceOfZone_[zone] = std::max(bestPlaceOfZone_[zone], rank);
        candidates_.push_back({rank, category, FoldForMatching(PlaceText(matchName)), order, std::move(match)});
    }

    void AddZone(Rank rank, std::size_t zone, std::string city) {
        const TimeZoneRules& rules = zones_.Zone(zone);
        const std::string_view shown = WithoutDifference(rules.displayName);
        candidates_.push_back(
            {rank,
             Category::kZone,
             FoldForMatching(shown),
             zone,
             {std::string(shown) + " " + UtcDifferenceText(zones_.Difference(zone)), rules.keyName, std::move(city)}});
    }

    const Words& typed_;
    SystemZones& zones_;
    std::vector<Rank> bestPlaceOfZone_;
    std::vector<Candidate> candidates_;
};

}  // namespace

PlaceMatches FindPlaces(std::string_view typed, const std::vector<TimeZoneRules>& zones, LocalDateTime universal) {
    PlaceMatches result;
    result.choices.push_back({std::string(kFixedOffsetChoice), {}, {}});
    const std::string folded = FoldForMatching(typed);
    const Words words = SplitWords(folded);
    SystemZones systemZones(zones, universal);
    Search search(words, systemZones);
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
