#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/place.h"
#include "core/place_finder.h"

namespace orvanta {

// The offset being entered moves in half hours between -24 and 24 hours.
inline constexpr int kOffsetStepMinutes = 30;
inline constexpr int kMaxOffsetMinutes = 24 * 60;

// One click of the spin button: the offset one step up (direction > 0) or down (direction < 0);
// unchanged at the bounds. From between two steps, where a zone's 5:45 was left, the first click
// reaches the next step in its direction: 6:00 up, 5:30 down.
int StepOffsetMinutes(int minutes, int direction);

inline constexpr const char* kBlankDescriptionMessage = "The new location description cannot be blank.";
inline constexpr const char* kListFullMessage = "Sorry, Cannot add more than 10 locations.";
inline constexpr const char* kRemoveLocationQuestion = "Remove this Location ?";

enum class NewLocationCheck { Accepted, BlankDescription, ListFull };

// The checks of "Add to List", in their order: a blank description (empty, or spaces and tabs
// only) first, then the full list.
NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList);

// The description with every ":" removed, as it is written back into the description box.
std::string CleanLocationDescription(std::string_view description);

// The place finder's list: each choice's text, the fixed offset first, and "No place found" below
// it when the typed text matched nothing.
std::vector<std::string> FinderItems(const PlaceMatches& matches);

// The choice behind an item of that list; nullptr for "No place found" and for no item at all.
const PlaceMatch* FinderChoice(const PlaceMatches& matches, int item);

// The description box once a place is chosen: the city's name where the box is blank or still holds
// the name the finder put there (`filled`), so that what the user typed is never replaced.
std::string DescriptionAfterChoosing(std::string_view description, std::string_view filled, std::string_view city);

// How the list shows a place: its entry, marked when its clock follows a zone.
std::string ListedLocationText(const Place& place);

}  // namespace orvanta
