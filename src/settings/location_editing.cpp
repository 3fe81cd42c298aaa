#include "settings/location_editing.h"

#include "core/replace_text.h"

namespace orvanta {

namespace {

// The step at or below `minutes`, for negative offsets too.
int StepAtOrBelow(int minutes) {
    const int below = minutes % kOffsetStepMinutes < 0 ? 1 : 0;
    return (minutes / kOffsetStepMinutes - below) * kOffsetStepMinutes;
}

bool IsBlank(std::string_view description) {
    return description.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

int StepOffsetMinutes(int minutes, int direction) {
    if (direction < 0 && minutes > -kMaxOffsetMinutes) {
        return StepAtOrBelow(minutes - 1);
    }
    if (direction > 0 && minutes < kMaxOffsetMinutes) {
        return StepAtOrBelow(minutes) + kOffsetStepMinutes;
    }
    return minutes;
}

std::vector<std::string> FinderItems(const PlaceMatches& matches) {
    std::vector<std::string> items(matches.choices.size() + (matches.noPlaceFound ? 1 : 0));
    for (std::size_t i = 0; i < matches.choices.size(); ++i) {
        items[i] = matches.choices[i].text;
    }
    if (matches.noPlaceFound) {
        items.back() = kNoPlaceFound;
    }
    return items;
}

const PlaceMatch* FinderChoice(const PlaceMatches& matches, int item) {
    return item >= 0 && static_cast<std::size_t>(item) < matches.choices.size()
               ? &matches.choices[static_cast<std::size_t>(item)]
               : nullptr;
}

std::string DescriptionAfterChoosing(std::string_view description, std::string_view filled, std::string_view city) {
    if (city.empty() || (!IsBlank(description) && description != filled)) {
        return std::string(description);
    }
    return std::string(city);
}

std::string ListedLocationText(const Place& place) {
    return place.Entry() + (place.FollowsZone() ? "  (zone)" : "");
}

NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList) {
    // A description of blanks only would show an empty row, and the settings file drops blanks
    // around a value: it is as blank as an empty one.
    if (IsBlank(description)) {
        return NewLocationCheck::BlankDescription;
    }
    if (entriesInList >= static_cast<std::size_t>(kMaxOtherLocations)) {
        return NewLocationCheck::ListFull;
    }
    return NewLocationCheck::Accepted;
}

std::string CleanLocationDescription(std::string_view description) {
    // The first ":" of a stored entry ends the description.
    return Replace_Text(description, ":", "");
}

}  // namespace orvanta
