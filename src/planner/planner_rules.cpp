#include "planner/planner_rules.h"

#include <algorithm>

namespace orvanta {

namespace {

constexpr int kChoicesPerDay = kMinutesPerDay / kWorkingHoursStepMinutes;

std::string WorkingTimeChoice(int minutes, const RegionalFormats& formats) {
    if (minutes == kMinutesPerDay && formats.clock24Hour) {
        return "24" + formats.timeSeparator + "00";
    }
    return FormatShortTime({.hour = minutes / 60 % 24, .minute = minutes % 60}, formats);
}

}  // namespace

CellLook CellLookOf(HourClass hourClass, bool highContrast) {
    CellLook look{.back = forms::Color::Window(), .text = forms::Color::WindowText()};
    look.bold = hourClass == HourClass::Working;
    look.italic = hourClass == HourClass::Night;
    if (highContrast) {
        return look;
    }
    switch (hourClass) {
        case HourClass::Working:
            look.back = forms::Color::Rgb(0xCDEBC3);  // pale green, 15:1 against black
            look.text = forms::Color::Rgb(forms::kBlack);
            break;
        case HourClass::NearWorking:
            look.back = forms::Color::Rgb(0xFFF1C4);  // pale amber, 19:1 against black
            look.text = forms::Color::Rgb(forms::kBlack);
            break;
        case HourClass::Night:
            look.back = forms::Color::Rgb(0x34426A);  // slate blue, 10:1 against white
            look.text = forms::Color::Rgb(forms::kWhite);
            break;
    }
    return look;
}

std::vector<std::string> WorkingStartChoices(const RegionalFormats& formats) {
    std::vector<std::string> choices;
    for (int i = 0; i < kChoicesPerDay; ++i) {
        choices.push_back(WorkingTimeChoice(WorkingStartOfChoice(i), formats));
    }
    return choices;
}

std::vector<std::string> WorkingEndChoices(const RegionalFormats& formats) {
    std::vector<std::string> choices;
    for (int i = 0; i < kChoicesPerDay; ++i) {
        choices.push_back(WorkingTimeChoice(WorkingEndOfChoice(i), formats));
    }
    return choices;
}

int WorkingStartOfChoice(int index) {
    return index * kWorkingHoursStepMinutes;
}

int WorkingEndOfChoice(int index) {
    return (index + 1) * kWorkingHoursStepMinutes;
}

int ChoiceOfWorkingStart(const WorkingHours& hours) {
    return hours.startMinutes / kWorkingHoursStepMinutes;
}

int ChoiceOfWorkingEnd(const WorkingHours& hours) {
    return hours.endMinutes / kWorkingHoursStepMinutes - 1;
}

WorkingHours WithWorkingStart(WorkingHours hours, int startMinutes) {
    hours.startMinutes = startMinutes;
    hours.endMinutes = std::max(hours.endMinutes, startMinutes + kWorkingHoursStepMinutes);
    return hours;
}

WorkingHours WithWorkingEnd(WorkingHours hours, int endMinutes) {
    hours.endMinutes = endMinutes;
    hours.startMinutes = std::min(hours.startMinutes, endMinutes - kWorkingHoursStepMinutes);
    return hours;
}

std::string RowChangeNote(const DayPlan& plan, int row, const RegionalFormats& formats) {
    std::string note;
    const auto& cells = plan.rows.at(static_cast<std::size_t>(row));
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (cells[column].change) {
            note += (note.empty() ? "" : "; ") + plan.columns[column].description + ": " +
                    ClockChangeAtText(*cells[column].change, formats);
        }
    }
    return note;
}

std::string CopiedRowNote(int row, std::size_t places, const RegionalFormats& formats) {
    return "Copied " + FormatShortTime({.hour = row}, formats) + " for " + std::to_string(places) +
           (places == 1 ? " place." : " places.");
}

}  // namespace orvanta
