#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/local_datetime.h"
#include "core/place.h"
#include "core/regional_formats.h"
#include "core/settings_model.h"

namespace orvanta {

inline constexpr int kLocationRowCount = 1 + kMaxOtherLocations;  // row 0 and the other locations

// What a time label shows when its offset cannot be read or moves the date out of range.
inline constexpr const char* kUnknownTimeText = " ?? ";

// The text of a time label: " " + [date + ",  "] + time + " ", a one-digit hour padded to two digits.
// Nothing when the moment plus the offset leaves the years 1 to 9999.
std::optional<std::string> Location_Time_Text(LocalDateTime now,
                                              double offsetDays,
                                              bool showDates,
                                              const RegionalFormats& formats);

// Everything the rows show; it refers to the settings it was taken from.
struct LocationModel {
    std::string_view currentLocationCaption;
    std::span<const Place> places;
    bool showDates = false;
    bool hideCurrentLocation = false;
};

enum class RowAction { Show, Hide, LeaveUntouched };

// The same rule applies to a row's description label and its time label.
struct RowPlan {
    RowAction action = RowAction::LeaveUntouched;
    std::string description;  // only for Show
    std::string time;         // only for Show
};

using LocationRowsPlan = std::array<RowPlan, kLocationRowCount>;

// `reading`: the clocks now, for places that follow a zone; nullptr while none does.
LocationRowsPlan PlanLocationRows(const LocationModel& model,
                                  LocalDateTime now,
                                  const RegionalFormats& formats,
                                  const ClockReading* reading = nullptr);

// Every shown row's description and time, a line each and without the padding of the time
// labels: what reading all places says or copies.
std::string AllPlacesText(const LocationRowsPlan& plan);
inline constexpr const char* kAllPlacesCopiedMessage = "The times of all places shown are on the clipboard.";
inline constexpr const char* kNoPlaceShownMessage = "No place is shown.";
inline constexpr const char* kAllPlacesClipboardBusyMessage =
    "The places could not be copied: another program is using the clipboard. Please try again.";

// What the rows take from the settings.
LocationModel RowsOf(const Settings& settings);
// Whether the rows show something that a change of the settings touched.
bool RowsFollow(SettingsChange change, SettingsFlag flag);

}  // namespace orvanta
