#include "core/location_rows.h"

#include <algorithm>
#include <utility>

#include "core/location_entry.h"

namespace orvanta {

std::optional<std::string> Location_Time_Text(LocalDateTime now,
                                              double offsetDays,
                                              bool showDates,
                                              const RegionalFormats& formats) {
    const std::optional<LocalDateTime> there = now.AddDays(offsetDays);
    if (!there) {
        return std::nullopt;
    }
    // Split drops the milliseconds, so 23:59:59.999 stays on its own second and day.
    const DateTimeParts parts = there->Split();
    std::string text = FormatLongTime(parts, formats);
    // Times line up in the column when a one-digit hour gets its leading zero. Only a literal ":"
    // right after the first character marks such an hour; other layouts stay as they are.
    if (text.find(':') == 1) {
        text.insert(0, 1, '0');
    }
    if (showDates) {
        text = FormatShortDate(parts, formats) + ",  " + text;
    }
    return " " + text + " ";
}

namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;

RowPlan ShowRow(std::string description, const std::optional<std::string>& time) {
    return {RowAction::Show, std::move(description), time.value_or(kUnknownTimeText)};
}

RowPlan PlanOtherLocation(std::size_t index,
                          const LocationModel& model,
                          LocalDateTime now,
                          const RegionalFormats& formats) {
    const std::string& entry = model.entries[index];
    if (entry.empty()) {
        return {};  // LeaveUntouched
    }
    const LocationEntryParts parts = SplitLocationEntry(entry);
    std::optional<std::string> time;
    if (index < model.zoneDifferences.size() && model.zoneDifferences[index]) {
        time = Location_Time_Text(now, *model.zoneDifferences[index] / kMinutesPerDay, model.showDates, formats);
    } else if (const std::optional<double> hours = ParseOffsetHours(parts.offsetText)) {
        time = Location_Time_Text(now, *hours / 24.0, model.showDates, formats);
    }
    return ShowRow(parts.description + " :", time);
}

}  // namespace

LocationRowsPlan PlanLocationRows(const LocationModel& model, LocalDateTime now, const RegionalFormats& formats) {
    LocationRowsPlan plan;
    // The list never holds more than ten; anything beyond is ignored rather than trusted.
    const std::size_t entryCount = std::min<std::size_t>(model.entries.size(), kMaxOtherLocations);
    for (std::size_t row = 0; row < plan.size(); ++row) {
        if (row == 0 && !model.hideCurrentLocation) {
            plan[row] = ShowRow(model.currentLocationCaption, Location_Time_Text(now, 0.0, model.showDates, formats));
            continue;
        }
        const std::size_t index = model.hideCurrentLocation ? row : row - 1;
        if (index >= entryCount) {
            plan[row] = {RowAction::Hide, {}, {}};
            continue;
        }
        plan[row] = PlanOtherLocation(index, model, now, formats);
    }
    return plan;
}

LocationModel RowsOf(const Settings& settings, std::vector<std::optional<int>> zoneDifferences) {
    return {settings.currentLocationCaption, settings.locations, settings.Flag(SettingsFlag::ShowDatesAndTimes),
            settings.Flag(SettingsFlag::HideCurrentLocation), std::move(zoneDifferences)};
}

bool RowsFollow(SettingsChange change, SettingsFlag flag) {
    switch (change) {
        case SettingsChange::Everything:
        case SettingsChange::Caption:
        case SettingsChange::Locations:
            return true;
        case SettingsChange::Flag:
            return flag == SettingsFlag::ShowDatesAndTimes || flag == SettingsFlag::HideCurrentLocation;
        case SettingsChange::WindowGeometry:
        case SettingsChange::SettingsPage:
            return false;
    }
    return false;
}

}  // namespace orvanta
