#include "forms/time_table_form.h"

namespace orvanta::forms {

namespace {

constexpr FontSpec kListFont{"MS Sans Serif", -11, true};
constexpr int kGridColumnWidths[] = {85, 85};

constexpr ComponentDescription kComponents[] = {
    {.kind = ComponentKind::Bevel, .name = "Bevel1", .left = 4, .top = 8, .width = 365, .height = 385},

    // Created in tab order, each list after the label that names it.
    {.kind = ComponentKind::Button,
     .name = "OKBtn",
     .left = 28,
     .top = 312,
     .width = 85,
     .height = 69,
     .caption = "OK",
     .isDefault = true,
     .modalResult = ModalResult::Ok,
     .font = kListFont,
     .hint = "Exit this Time Table window.",
     .image = kOkGlyphImage},
    {.kind = ComponentKind::Label,
     .name = "SrcLabel",
     .left = 16,
     .top = 20,
     .width = 121,
     .height = 16,
     .caption = "Location 1 :",
     .font = kListFont,
     .textColor = Color::Rgb(kBlack)},
    {.kind = ComponentKind::ListBox,
     .name = "Time_Zone_1_ListBox",
     .left = 16,
     .top = 40,
     .width = 121,
     .height = 97,
     .caption = "Location 1",
     .font = kListFont,
     .itemHeight = 13,
     .events = {{Event::Click, "Time_Zone_1_ListBoxClick"}}},
    {.kind = ComponentKind::Label,
     .name = "DstLabel",
     .left = 16,
     .top = 176,
     .width = 121,
     .height = 16,
     .caption = "Location 2 :",
     .font = kListFont,
     .textColor = Color::Rgb(kBlack)},
    {.kind = ComponentKind::ListBox,
     .name = "Time_Zone_2_ListBox",
     .left = 16,
     .top = 196,
     .width = 121,
     .height = 101,
     .caption = "Location 2",
     .font = kListFont,
     .itemHeight = 13,
     .events = {{Event::Click, "Time_Zone_2_ListBoxClick"}}},
    {.kind = ComponentKind::Grid,
     .name = "Time_Comparison_StringGrid",
     .left = 160,
     .top = 16,
     .width = 197,
     .height = 329,
     .caption = "Time Comparison Table",
     .rowCount = 24,
     .columnWidths = kGridColumnWidths},
    {.kind = ComponentKind::Button,
     .name = "Copy_Time_Table_to_Clipboard_Button",
     .left = 176,
     .top = 352,
     .width = 161,
     .height = 33,
     .caption = "Copy to Clipboard",
     .hint = "Copy Time Table to Clipboard.",
     .image = kCopyGlyphImage,
     .events = {{Event::Click, "Copy_Time_Table_to_Clipboard_ButtonClick"}}},
    // Says that a copy went through, in the room between the second list and the OK button.
    {.kind = ComponentKind::Label,
     .name = "Copied_Label",
     .left = 16,
     .top = 299,
     .caption = "Table copied.",
     .visible = false,
     .autoSize = true,
     .font = kListFont},
};

constexpr FormDescription kTime_Table{
    .className = "TTime_Table",
    .name = "Time_Table",
    .caption = "Time Comparison Table :",
    .border = BorderStyle::Dialog,
    .placement = Placement::ScreenCenter,
    .clientWidth = 378,
    .clientHeight = 404,
    .font = {"System", -13},
    .activeControl = "OKBtn",
    .components = kComponents,
    .events = {{Event::Activate, "FormActivate"}},
};

}  // namespace

const FormDescription& Time_TableDescription() {
    return kTime_Table;
}

}  // namespace orvanta::forms
