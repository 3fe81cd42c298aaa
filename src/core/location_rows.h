#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/local_datetime.h"
#include "core/location_entry.h"
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

// Everything the rows show.
struct LocationModel {
    std::string currentLocationCaption;
    std::vector<std::string> entries;
    bool showDates = false;
    bool hideCurrentLocation = false;
    // Per entry, for a place whose clock follows a zone: how far it is ahead of the local clock now,
    // in minutes. Nothing, or no element, takes the entry's own offset.
    std::vector<std::optional<int>> zoneDifferences;
};

enum class RowAction { Show, Hide, LeaveUntouched };

// The same rule applies to a row's description label and its time label.
struct RowPlan {
    RowAction action = RowAction::LeaveUntouched;
    std::string description;  // only for Show
    std::string time;         // only for Show
};

using LocationRowsPlan = std::array<RowPlan, kLocationRowCount>;

LocationRowsPlan PlanLocationRows(const LocationModel& model, LocalDateTime now, const RegionalFormats& formats);

// What the rows take from the settings, and the present differences of places that follow a zone.
LocationModel RowsOf(const Settings& settings, std::vector<std::optional<int>> zoneDifferences = {});
// Whether the rows show something that a change of the settings touched.
bool RowsFollow(SettingsChange change, SettingsFlag flag);

}  // namespace orvanta
