#pragma once

#include "form_types/form_description.h"

namespace orvanta::forms {

// The main window: eleven rows of a description label and a time label, the clock timer, the
// menu bar and the pop-up menu.
const FormDescription& MainForm1Description();

inline constexpr const char* kRowDescriptionPrefix = "Other_Location_Label_";
inline constexpr const char* kRowTimePrefix = "Other_Location_Time_";
inline constexpr const char* kRowLabelPrefix = "Other_Location_";

}  // namespace orvanta::forms
