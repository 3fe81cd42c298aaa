#include "core/location_rows.h"

#include <algorithm>
#include <utility>

#include "core/replace_text.h"

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

constexpr double kHoursPerDay = 24.0;

RowPlan ShowRow(std::string description, const std::optional<std::string>& time) {
    return {RowAction::Show, std::move(description), time.value_or(kUnknownTimeText)};
}

RowPlan PlanOtherLocation(const Place& place,
                          const LocationModel& model,
                          LocalDateTime now,
                          const RegionalFormats& formats,
                          const ClockReading* reading) {
    if (place.IsBlank()) {
        return {};  // LeaveUntouched
    }
    std::optional<std::string> time;
    if (const std::optional<double> hours = DifferenceHours(place, reading)) {
        time = Location_Time_Text(now, *hours / kHoursPerDay, model.showDates, formats);
    }
    return ShowRow(place.Description() + " :", time);
}

}  // namespace

LocationRowsPlan PlanLocationRows(const LocationModel& model,
                                  LocalDateTime now,
                                  const RegionalFormats& formats,
                                  const ClockReading* reading) {
    LocationRowsPlan plan;
    // The list never holds more than ten; anything beyond is ignored rather than trusted.
    const std::size_t entryCount = std::min<std::size_t>(model.places.size(), kMaxOtherLocations);
    for (std::size_t row = 0; row < plan.size(); ++row) {
        if (row == 0 && !model.hideCurrentLocation) {
            plan[row] = ShowRow(std::string(model.currentLocationCaption),
                                Location_Time_Text(now, 0.0, model.showDates, formats));
            continue;
        }
        const std::size_t index = model.hideCurrentLocation ? row : row - 1;
        if (index >= entryCount) {
            plan[row] = {RowAction::Hide, {}, {}};
            continue;
        }
        plan[row] = PlanOtherLocation(model.places[index], model, now, formats, reading);
    }
    return plan;
}

std::string AllPlacesText(const LocationRowsPlan& plan) {
    std::string text;
    for (const RowPlan& row : plan) {
        if (row.action != RowAction::Show) {
            continue;
        }
        const std::string_view time = WithoutOuterBlanks(row.time);
        text += text.empty() ? "" : "\r\n";
        text += row.description;
        if (!time.empty()) {
            text += ' ';
            text += time;
        }
    }
    return text;
}

LocationModel RowsOf(const Settings& settings) {
    return {settings.currentLocationCaption, settings.places, settings.Flag(SettingsFlag::ShowDatesAndTimes),
            settings.Flag(SettingsFlag::HideCurrentLocation)};
}

bool RowsFollow(SettingsChange change, SettingsFlag flag) {
    switch (change) {
        case SettingsChange::Everything:
        case SettingsChange::Caption:
        case SettingsChange::Places:
            return true;
        case SettingsChange::Flag:
            return flag == SettingsFlag::ShowDatesAndTimes || flag == SettingsFlag::HideCurrentLocation;
        case SettingsChange::WindowGeometry:
        case SettingsChange::SettingsPage:
        case SettingsChange::WorkingHours:
            return false;
    }
    return false;
}

}  // namespace orvanta
