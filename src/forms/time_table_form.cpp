#include "forms/time_table_form.h"

namespace orvanta::forms {

namespace {

const FontSpec kListFont{"MS Sans Serif", -11, true};

FormDescription Build() {
    FormDescription d;
    d.className = "TTime_Table";
    d.name = "Time_Table";
    d.caption = "Time Comparison Table :";
    d.border = BorderStyle::Dialog;
    d.placement = Placement::ScreenCenter;
    d.clientWidth = 378;
    d.clientHeight = 404;
    d.font = {"System", -13};
    d.activeControl = "OKBtn";
    d.events = {{Event::Activate, "FormActivate"}};

    d.components.push_back(MakeComponent(ComponentKind::Bevel, "Bevel1", 4, 8, 365, 385));
    auto source = MakeComponent(ComponentKind::Label, "SrcLabel", 16, 20, 121, 16, "Location 1 :");
    source.font = kListFont;
    source.textColor = Color::Rgb(kBlack);
    d.components.push_back(source);
    auto destination = source;
    destination.name = "DstLabel";
    destination.top = 176;
    destination.caption = "Location 2 :";
    d.components.push_back(destination);

    // Created in tab order.
    auto ok = MakeComponent(ComponentKind::Button, "OKBtn", 28, 312, 85, 69, "OK");
    ok.image = kOkGlyphImage;
    ok.font = kListFont;
    ok.hint = "Exit this Time Table window.";
    ok.isDefault = true;
    ok.modalResult = ModalResult::Ok;
    d.components.push_back(ok);
    auto list1 = MakeComponent(ComponentKind::ListBox, "Time_Zone_1_ListBox", 16, 40, 121, 97);
    list1.font = kListFont;
    list1.itemHeight = 13;
    list1.events = {{Event::Click, "Time_Zone_1_ListBoxClick"}};
    d.components.push_back(list1);
    auto list2 = MakeComponent(ComponentKind::ListBox, "Time_Zone_2_ListBox", 16, 196, 121, 101);
    list2.font = kListFont;
    list2.itemHeight = 13;
    list2.events = {{Event::Click, "Time_Zone_2_ListBoxClick"}};
    d.components.push_back(list2);
    auto grid = MakeComponent(ComponentKind::Grid, "Time_Comparison_StringGrid", 160, 16, 197, 329);
    grid.columnWidths = {85, 85};
    grid.rowCount = 24;
    d.components.push_back(grid);
    auto copy = MakeComponent(ComponentKind::Button, "Copy_Time_Table_to_Clipboard_Button", 176, 352, 161, 33,
                              "Copy to Clipboard");
    copy.image = kCopyGlyphImage;
    copy.hint = "Copy Time Table to Clipboard.";
    copy.events = {{Event::Click, "Copy_Time_Table_to_Clipboard_ButtonClick"}};
    d.components.push_back(copy);
    return d;
}

}  // namespace

const FormDescription& Time_TableDescription() {
    static const FormDescription description = Build();
    return description;
}

}  // namespace orvanta::forms
