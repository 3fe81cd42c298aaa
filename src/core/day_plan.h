#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/clock_changes.h"
#include "core/local_clock.h"
#include "core/local_datetime.h"
#include "core/place.h"
#include "core/regional_formats.h"
#include "core/settings_model.h"
#include "core/time_zone_rules.h"
#include "core/working_hours.h"

namespace orvanta {

// A day of the calendar, in the years the system's date picker offers: 1601 to 30827.
struct CalendarDate {
    int year = 1601;
    int month = 1;
    int day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};
inline constexpr CalendarDate kFirstPlanDate{1601, 1, 1};
inline constexpr CalendarDate kLastPlanDate{30827, 12, 31};

// A date that exists and lies between kFirstPlanDate and kLastPlanDate.
bool IsPlanDate(CalendarDate date);
// The date `days` later (earlier when negative), held between the first and the last plan date.
CalendarDate StepPlanDate(CalendarDate date, int days);
CalendarDate DateOf(LocalDateTime moment);

inline constexpr int kPlanHours = 24;

// Where an hour falls in a place's day: its working hours (on its own clock, Monday to Friday), the
// waking hours around them and at weekends (07:00 to 22:00), or the night.
enum class HourClass { Working, NearWorking, Night };
inline constexpr int kNearWorkingStartMinutes = 7 * 60;
inline constexpr int kNearWorkingEndMinutes = 22 * 60;

HourClass HourClassOf(const DateTimeParts& placeTime, const WorkingHours& hours);
// "Working hours", "Either side of working hours", "Night".
const char* HourClassName(HourClass hourClass);

// What a cell adds when the place's date is not the local one: "+1" (the next day), "-1", "+2", ...
std::string DayMark(int dayShift);
// A difference from the local clock as a column header gives it: "+14 h", "-5 h", "+5:45 h", "0 h".
std::string DifferenceHeaderText(int minutes);

// One place at one hour of the day.
struct PlanCell {
    std::optional<DateTimeParts> time;  // nothing when the offset is no number
    int dayShift = 0;                   // the place's date less the planned date, in days
    HourClass hourClass = HourClass::Night;
    std::optional<ClockChange> change;  // the place's clock changes within this hour
    std::string text;                   // "16:00", "01:00 +1", "03:00 *" with a change
};

struct PlanColumn {
    std::string description;
    std::string header;  // "Tokyo +14 h": the difference at the day's midday
};

struct DayPlanRequest {
    std::vector<Place> places;  // one column each, in order
    CalendarDate date;
    const std::vector<TimeZoneRules>* zones = nullptr;  // nullptr: none
    LocalClockRules local;
    WorkingHours workingHours;
    // The present moment: the hour that holds it is marked when it falls on the planned day.
    std::optional<LocalDateTime> universalNow;
};

struct DayPlan {
    CalendarDate date;
    std::vector<PlanColumn> columns;
    std::array<std::vector<PlanCell>, kPlanHours> rows;  // rows[hour][column]
    std::optional<int> presentRow;
};

// Row r is the moment the local clock shows r:00 on the date, read as the time table reads it: a
// skipped hour on the clock before the jump, of a repeated hour the first. Each place's cell is its
// clock at that moment; a zone's change is marked in the row whose hour holds it.
DayPlan PlanDay(const DayPlanRequest& request, const RegionalFormats& formats);

// The columns of the planner: the current location (the local clock, following the local zone when
// the system names it) unless it is hidden, then every place the main window shows, in its order.
std::vector<Place> PlannerPlaces(const Settings& settings, const TimeZoneRules* localZone);

// One line a place, for an invitation: "Berlin: Tue 15 Dec 2026 16:00", each ending in CR LF.
std::string PlanRowClipboardText(const DayPlan& plan, int row, const RegionalFormats& formats);
// The headers and the 24 rows as the grid shows them, cells separated by tabs, lines ending in CR LF.
std::string PlanTableClipboardText(const DayPlan& plan);
// A cell's tooltip: its date and time there, its class, and any change of clock in that hour.
std::string PlanCellTip(const DayPlan& plan, int row, int column, const RegionalFormats& formats);

}  // namespace orvanta
