#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/place.h"

namespace orvanta {

// The offset being entered moves in half hours between -24 and 24 hours.
inline constexpr int kOffsetStepMinutes = 30;
inline constexpr int kMaxOffsetMinutes = 24 * 60;

// One click of the spin button: the offset one step up (direction > 0) or down (direction < 0);
// unchanged at the bounds.
int StepOffsetMinutes(int minutes, int direction);

// The offset nearest to `minutes` that the spin button can step from: 5:45 gives 6:00 (halves round
// away from zero), 5:30 stays.
int NearestStepMinutes(int minutes);

inline constexpr const char* kBlankDescriptionMessage = "The new location description cannot be blank.";
inline constexpr const char* kListFullMessage = "Sorry, Cannot add more than 10 locations.";
inline constexpr const char* kRemoveLocationQuestion = "Remove this Location ?";

enum class NewLocationCheck { Accepted, BlankDescription, ListFull };

// The checks of "Add to List", in their order: a blank description (empty, or spaces and tabs
// only) first, then the full list.
NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList);

// The description with every ":" removed, as it is written back into the description box.
std::string CleanLocationDescription(std::string_view description);

// The first entry of the zone list, which keeps a place at a fixed offset.
inline constexpr const char* kFixedOffsetZoneText = "Fixed offset";

// How the list shows a place: its entry, marked when its clock follows a zone.
std::string ListedLocationText(const Place& place);

}  // namespace orvanta
