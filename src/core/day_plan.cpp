#include "core/day_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace orvanta {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr double kHoursPerDay = 24.0;
// The calendar repeats itself every 400 years, weekdays included, and every zone keeps the rules
// of its last year for all later years: a date beyond the years a LocalDateTime holds is planned
// that many years earlier, where two days either side still fit, and its years are put back.
constexpr int kCalendarCycleYears = 400;
constexpr int kLastUnshiftedYear = 9598;
constexpr const char* kChangeMark = " *";
constexpr const char* kUnknownCellText = "??";

int YearShiftOf(int year) {
    return year <= kLastUnshiftedYear
               ? 0
               : (year - kLastUnshiftedYear + kCalendarCycleYears - 1) / kCalendarCycleYears * kCalendarCycleYears;
}

std::optional<LocalDateTime> MidnightOf(CalendarDate date, int yearShift) {
    return LocalDateTime::FromParts({date.year - yearShift, date.month, date.day});
}

bool Before(CalendarDate a, CalendarDate b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// The row whose hour holds a moment: the last that starts at or before it, and of rows that share
// that start (a skipped local hour) the first.
using HourStarts = std::array<std::int64_t, kPlanHours + 1>;  // universal milliseconds

int RowHolding(const HourStarts& starts, std::int64_t moment) {
    int row = 0;
    while (row + 1 < kPlanHours && starts[row + 1] <= moment) {
        ++row;
    }
    while (row > 0 && starts[row - 1] == starts[row]) {
        --row;
    }
    return row;
}

PlanCell CellAt(const Place& place,
                LocalDateTime universal,
                std::int64_t dayMidnightMs,
                int yearShift,
                const DayPlanRequest& request,
                const std::vector<TimeZoneRules>& zones,
                const RegionalFormats& formats) {
    PlanCell cell;
    const auto there = PlaceTimeFromUniversal(place, universal, request.local, zones);
    if (!there) {
        cell.text = kUnknownCellText;
        return cell;
    }
    DateTimeParts parts = there->Split();
    cell.hourClass = HourClassOf(parts, request.workingHours);
    cell.dayShift = static_cast<int>(there->Milliseconds() / kMsPerDay - dayMidnightMs / kMsPerDay);
    cell.text = FormatShortTime(parts, formats);
    if (cell.dayShift != 0) {
        cell.text += " " + DayMark(cell.dayShift);
    }
    parts.year += yearShift;
    cell.time = parts;
    return cell;
}

}  // namespace

bool IsPlanDate(CalendarDate date) {
    const int shift = YearShiftOf(date.year);
    return !Before(date, kFirstPlanDate) && !Before(kLastPlanDate, date) && MidnightOf(date, shift).has_value();
}

CalendarDate StepPlanDate(CalendarDate date, int days) {
    const int shift = YearShiftOf(date.year);
    const auto midnight = MidnightOf(date, shift);
    const auto stepped = midnight ? midnight->AddDays(days) : std::nullopt;
    if (!stepped) {
        return days < 0 ? kFirstPlanDate : kLastPlanDate;
    }
    CalendarDate result = DateOf(*stepped);
    result.year += shift;
    return Before(result, kFirstPlanDate) ? kFirstPlanDate : Before(kLastPlanDate, result) ? kLastPlanDate : result;
}

CalendarDate DateOf(LocalDateTime moment) {
    const DateTimeParts parts = moment.Split();
    return {parts.year, parts.month, parts.day};
}

HourClass HourClassOf(const DateTimeParts& placeTime, const WorkingHours& hours) {
    const int minutes = placeTime.hour * 60 + placeTime.minute;
    const bool weekday = placeTime.dayOfWeek >= 1 && placeTime.dayOfWeek <= 5;
    if (weekday && minutes >= hours.startMinutes && minutes < hours.endMinutes) {
        return HourClass::Working;
    }
    return minutes >= kNearWorkingStartMinutes && minutes < kNearWorkingEndMinutes ? HourClass::NearWorking
                                                                                   : HourClass::Night;
}

const char* HourClassName(HourClass hourClass) {
    switch (hourClass) {
        case HourClass::Working:
            return "Working hours";
        case HourClass::NearWorking:
            return "Either side of working hours";
        case HourClass::Night:
            break;
    }
    return "Night";
}

std::string DayMark(int dayShift) {
    if (dayShift == 0) {
        return {};
    }
    return (dayShift > 0 ? "+" : "-") + std::to_string(std::abs(dayShift));
}

std::string DifferenceHeaderText(int minutes) {
    if (minutes == 0) {
        return "0 h";
    }
    const int magnitude = std::abs(minutes);
    std::string text = (minutes > 0 ? "+" : "-") + std::to_string(magnitude / 60);
    if (magnitude % 60 != 0) {
        text += (magnitude % 60 < 10 ? ":0" : ":") + std::to_string(magnitude % 60);
    }
    return text + " h";
}

DayPlan PlanDay(const DayPlanRequest& request, const RegionalFormats& formats) {
    static const std::vector<TimeZoneRules> kNoZones;
    const std::vector<TimeZoneRules>& zones = request.zones != nullptr ? *request.zones : kNoZones;
    DayPlan plan;
    plan.date = IsPlanDate(request.date) ? request.date : kFirstPlanDate;
    const int yearShift = YearShiftOf(plan.date.year);
    const LocalDateTime midnight = *MidnightOf(plan.date, yearShift);

    // Where each hour starts, and where the day ends: years up to 9598 leave room for both.
    HourStarts starts{};
    for (int hour = 0; hour <= kPlanHours; ++hour) {
        starts[hour] = UniversalFromLocalTime(*midnight.AddDays(hour / kHoursPerDay), request.local)->Milliseconds();
    }
    const auto momentAt = [](std::int64_t ms) { return *LocalDateTime::FromMilliseconds(ms); };

    const ClockReading midday = ReadingAt(momentAt(starts[kPlanHours / 2]), request.local, zones);
    for (const Place& place : request.places) {
        const std::optional<double> hours = DifferenceHours(place, &midday);
        const bool known = hours && std::fabs(*hours) < kHoursPerDay * 1000.0;
        plan.columns.push_back(
            {place.Description(), place.Description() + " " +
                                      (known ? DifferenceHeaderText(static_cast<int>(std::lround(*hours * 60.0)))
                                             : std::string(kUnknownCellText))});
    }
    for (int hour = 0; hour < kPlanHours; ++hour) {
        for (const Place& place : request.places) {
            plan.rows[hour].push_back(
                CellAt(place, momentAt(starts[hour]), midnight.Milliseconds(), yearShift, request, zones, formats));
        }
    }

    for (std::size_t column = 0; column < request.places.size(); ++column) {
        const TimeZoneRules* zone = ZoneOf(request.places[column], &midday);
        if (zone == nullptr) {
            continue;
        }
        // Changes from the first hour's start up to, not including, the next day's.
        const LocalDateTime until = momentAt(starts[kPlanHours] - 1);
        LocalDateTime after = momentAt(starts[0] - 1);
        while (const auto change = NextClockChange(*zone, after, until)) {
            PlanCell& cell = plan.rows[RowHolding(starts, change->universal.Milliseconds())][column];
            cell.change = change;
            cell.text += kChangeMark;
            after = change->universal;
        }
    }

    if (request.universalNow && yearShift == 0) {
        const std::int64_t now = request.universalNow->Milliseconds();
        if (starts[0] <= now && now < starts[kPlanHours]) {
            int row = kPlanHours - 1;
            while (starts[row] > now) {
                --row;
            }
            plan.presentRow = row;
        }
    }
    return plan;
}

std::vector<Place> PlannerPlaces(const Settings& settings, const TimeZoneRules* localZone) {
    std::vector<Place> places;
    if (!settings.Flag(SettingsFlag::HideCurrentLocation)) {
        // The caption ends in ":" by convention ("Here :"); the header adds its own difference.
        std::string name = settings.currentLocationCaption;
        while (!name.empty() && (name.back() == ' ' || name.back() == ':')) {
            name.pop_back();
        }
        name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
        places.push_back(Place::AtMinutes(std::move(name), 0, localZone != nullptr ? localZone->keyName : ""));
    }
    for (const Place& place : settings.places) {
        if (!place.IsBlank()) {
            places.push_back(place);
        }
    }
    return places;
}

std::string PlanRowClipboardText(const DayPlan& plan, int row, const RegionalFormats& formats) {
    std::string text;
    for (std::size_t column = 0; column < plan.columns.size(); ++column) {
        const PlanCell& cell = plan.rows.at(static_cast<std::size_t>(row))[column];
        text += plan.columns[column].description + ": ";
        text += cell.time
                    ? FormatDate(*cell.time, "ddd d MMM yyyy", formats) + " " + FormatShortTime(*cell.time, formats)
                    : kUnknownCellText;
        text += "\r\n";
    }
    return text;
}

std::string PlanTableClipboardText(const DayPlan& plan) {
    std::string text;
    const auto addLine = [&text](const auto& items, auto field) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            text += (i == 0 ? "" : "\t") + field(items[i]);
        }
        text += "\r\n";
    };
    addLine(plan.columns, [](const PlanColumn& column) { return column.header; });
    for (const auto& row : plan.rows) {
        addLine(row, [](const PlanCell& cell) { return cell.text; });
    }
    return text;
}

std::string PlanCellTip(const DayPlan& plan, int row, int column, const RegionalFormats& formats) {
    const PlanCell& cell = plan.rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    if (!cell.time) {
        return plan.columns[static_cast<std::size_t>(column)].description + ": its offset is not a number";
    }
    std::string tip = plan.columns[static_cast<std::size_t>(column)].description + ": " +
                      FormatLongDate(*cell.time, formats) + " " + FormatShortTime(*cell.time, formats) + "\r\n" +
                      HourClassName(cell.hourClass);
    if (cell.change) {
        tip += "\r\n" + ClockChangeAtText(*cell.change, formats);
    }
    return tip;
}

}  // namespace orvanta
