#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// The offset being entered moves in half hours between -24.0 and 24.0.
inline constexpr double kOffsetStepHours = 0.5;
inline constexpr double kMaxOffsetHours = 24.0;

// One click of the spin button: the offset text one step up (direction > 0) or down (direction < 0),
// written back with one decimal and "." as the point; unchanged at the bounds. "-0.5" up gives "0.0".
std::string StepOffsetText(std::string_view offsetText, int direction);

// The offset text for a number of hours: "-5.0", "5.5", "0.0" (never "-0.0").
std::string FormatOffsetHours(double hours);

inline constexpr const char* kBlankDescriptionMessage = "The new location description cannot be blank.";
inline constexpr const char* kListFullMessage = "Sorry, Cannot add more than 10 locations.";
inline constexpr const char* kRemoveLocationQuestion = "Remove this Location ?";

enum class NewLocationCheck { Accepted, BlankDescription, ListFull };

// The checks of "Add to List", in their order: a blank description first, then the full list.
NewLocationCheck CheckNewLocation(std::string_view description, std::size_t entriesInList);

// The description with every ":" removed, as it is written back into the description box.
std::string CleanLocationDescription(std::string_view description);

// The offset text nearest to a number of hours that the spin button can step from: "5.75" gives "6.0"
// (halves round away from zero), "5.5" stays.
std::string NearestStepOffsetText(std::string_view offsetText);

// The first entry of the zone list, which keeps a place at a fixed offset.
inline constexpr const char* kFixedOffsetZoneText = "Fixed offset";

// How the list shows a place: its entry, marked when its clock follows a zone.
std::string ListedLocationText(std::string_view entry, std::string_view zone);

// "<cleaned description>:<offset text>"
std::string BuildLocationEntry(std::string_view cleanedDescription, std::string_view offsetText);

}  // namespace orvanta
