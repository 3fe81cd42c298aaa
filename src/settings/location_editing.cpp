#include "settings/location_editing.h"

#include <algorithm>
#include <cmath>

#include "core/decimal_text.h"
#include "core/location_entry.h"
#include "core/replace_text.h"

namespace orvanta {

std::string StepOffsetText(std::string_view offsetText, int direction) {
    // Whatever has been typed into the box, the spin button starts from a number.
    double hours = ParseOffsetHours(offsetText).value_or(0.0);
    if (direction < 0 && hours > -kMaxOffsetHours) {
        hours -= kOffsetStepHours;
    } else if (direction > 0 && hours < kMaxOffsetHours) {
        hours += kOffsetStepHours;
    }
    // Written back even when unchanged, so a typed "3" becomes "3.0" at the first click.
    return FormatOffsetHours(hours);
}

std::string FormatOffsetHours(double hours) {
    std::string text = FixedDecimal(hours, 1);
    // A small negative value rounds to "-0.0", which would read as a different offset from "0.0".
    if (text == "-0.0") {
        text = "0.0";
    }
    return text;
}

std::string NearestStepOffsetText(std::string_view offsetText) {
    const double hours = ParseOffsetHours(offsetText).value_or(0.0);
    return FormatOffsetHours(
        std::clamp(std::round(hours / kOffsetStepHours) * kOffsetStepHours, -kMaxOffsetHours, kMaxOffsetHours));
}

std::string ListedLocationText(std::string_view entry, std::string_view zone) {
    return std::string(entry) + (zone.empty() ? "" : "  (zone)");
}

NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList) {
    if (description.empty()) {
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

std::string BuildLocationEntry(std::string_view cleanedDescription, std::string_view offsetText) {
    std::string entry(cleanedDescription);
    entry += ':';
    entry += offsetText;
    return entry;
}

}  // namespace orvanta
