#pragma once

#include <string_view>

#include "form_types/form_description.h"

namespace orvanta::forms {

// The planner: a day chosen with the system's date picker, the working hours, the grid of every
// place's hours and the copy buttons.
const FormDescription& PlannerDescription();

// The date picker is a common control that form descriptions do not describe: the window makes it
// itself, in this place (96-DPI units), right after the label that names it in the tab order.
struct DesignRect {
    int left, top, width, height;
};
inline constexpr DesignRect kPlannerDatePickerBounds{52, 11, 104, 23};
inline constexpr std::string_view kPlannerDateLabel = "Day_Label";

}  // namespace orvanta::forms
