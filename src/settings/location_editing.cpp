#include "settings/location_editing.h"

#include <algorithm>
#include <cstdlib>

#include "core/replace_text.h"

namespace orvanta {

int StepOffsetMinutes(int minutes, int direction) {
    if (direction < 0 && minutes > -kMaxOffsetMinutes) {
        return minutes - kOffsetStepMinutes;
    }
    if (direction > 0 && minutes < kMaxOffsetMinutes) {
        return minutes + kOffsetStepMinutes;
    }
    return minutes;
}

int NearestStepMinutes(int minutes) {
    const int steps = (std::abs(minutes) + kOffsetStepMinutes / 2) / kOffsetStepMinutes;
    return std::clamp((minutes < 0 ? -steps : steps) * kOffsetStepMinutes, -kMaxOffsetMinutes, kMaxOffsetMinutes);
}

std::string ListedLocationText(const Place& place) {
    return place.Entry() + (place.FollowsZone() ? "  (zone)" : "");
}

NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList) {
    // A description of blanks only would show an empty row, and the settings file drops blanks
    // around a value: it is as blank as an empty one.
    if (description.find_first_not_of(" \t") == std::string_view::npos) {
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
