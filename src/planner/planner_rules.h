#pragma once

#include <string>
#include <vector>

#include "core/day_plan.h"
#include "core/regional_formats.h"
#include "core/working_hours.h"
#include "form_types/form_description.h"

namespace orvanta {

// How a cell of the planner is drawn. The class never shows by colour alone: working hours are
// bold, the night is in italics, and the hours either side of work are plain.
struct CellLook {
    forms::Color back;
    forms::Color text;
    bool bold = false;
    bool italic = false;
};

// The colours of each class, light backgrounds under dark text and the night the other way round,
// each pair well above the contrast that text needs; under a high-contrast theme only the system's
// window colours, so that the theme decides.
CellLook CellLookOf(HourClass hourClass, bool highContrast);

// The times the working day may start at (00:00 to 23:30) or end at (00:30 to 24:00), in half hours,
// as the regional short time writes them; the day's end at midnight is "24:00" on a 24-hour clock.
std::vector<std::string> WorkingStartChoices(const RegionalFormats& formats);
std::vector<std::string> WorkingEndChoices(const RegionalFormats& formats);
int WorkingStartOfChoice(int index);
int WorkingEndOfChoice(int index);
int ChoiceOfWorkingStart(const WorkingHours& hours);
int ChoiceOfWorkingEnd(const WorkingHours& hours);

// A new start or end, the other end moved along when it would leave no working day.
WorkingHours WithWorkingStart(WorkingHours hours, int startMinutes);
WorkingHours WithWorkingEnd(WorkingHours hours, int endMinutes);

// What the planner says under the grid about the chosen row: each clock that changes in its hour
// ("New York: Clocks go forward 1 hour at 02:00"), or nothing.
std::string RowChangeNote(const DayPlan& plan, int row, const RegionalFormats& formats);
// After a copy: "Copied 16:00 for 3 places." or "Copied the table.", or why nothing was copied.
std::string CopiedRowNote(int row, std::size_t places, const RegionalFormats& formats);
inline constexpr const char* kCopiedTableNote = "Copied the table.";
inline constexpr const char* kClipboardBusyNote = "Not copied: another program is using the clipboard.";

}  // namespace orvanta
