#include "forms/planner_form.h"

namespace orvanta::forms {

namespace {

ComponentDescription MnemonicLabel(std::string name, int left, int top, std::string caption) {
    ComponentDescription label = MakeLabel(std::move(name), left, top, std::move(caption));
    label.mnemonic = true;
    return label;
}

ComponentDescription Clicked(ComponentDescription component, std::string handler, std::string hint = {}) {
    component.events = {{Event::Click, std::move(handler)}};
    component.hint = std::move(hint);
    return component;
}

FormDescription Build() {
    FormDescription d;
    d.className = "TPlanner";
    d.name = "Planner";
    d.caption = "Planner";
    d.border = BorderStyle::Dialog;
    d.clientWidth = 640;
    d.clientHeight = 400;
    // A scalable face: the night's italics are drawn from it at every resolution.
    d.font = {"Tahoma", -11};
    d.keyPreview = true;
    d.activeControl = "Plan_Grid";
    d.events = {{Event::Show, "FormShow"}, {Event::KeyDown, "FormKeyDown"}};

    // Created in tab order; the date picker follows the label that names it.
    auto grid = MakeComponent(ComponentKind::Grid, "Plan_Grid", 12, 44, 616, 308);
    grid.rowCount = 24;  // the columns are the places, made when the planner opens
    auto close = MakeComponent(ComponentKind::Button, "Close_Button", 552, 364, 76, 27, "Close");
    close.isDefault = true;
    close.modalResult = ModalResult::Ok;
    d.components = {
        MnemonicLabel(kPlannerDateLabel, 12, 15, "&Day:"),
        Clicked(MakeComponent(ComponentKind::Button, "Previous_Day_Button", 164, 10, 92, 25, "&Previous day"),
                "Previous_Day_ButtonClick", "The day before (Page Up in the grid)"),
        Clicked(MakeComponent(ComponentKind::Button, "Next_Day_Button", 262, 10, 92, 25, "&Next day"),
                "Next_Day_ButtonClick", "The day after (Page Down in the grid)"),
        MnemonicLabel("Working_Hours_Label", 366, 15, "&Working hours:"),
        Clicked(MakeComponent(ComponentKind::ComboBox, "Work_Start_ComboBox", 450, 11, 76, 300),
                "Work_Start_ComboBoxChange"),
        MakeLabel("Work_To_Label", 532, 15, "to"),
        Clicked(MakeComponent(ComponentKind::ComboBox, "Work_End_ComboBox", 552, 11, 76, 300),
                "Work_End_ComboBoxChange"),
        grid,
        Clicked(MakeComponent(ComponentKind::Button, "Copy_Button", 12, 364, 90, 27, "&Copy"), "Copy_ButtonClick",
                "Copy the chosen hour, one line a place (Ctrl+C)"),
        Clicked(MakeComponent(ComponentKind::Button, "Copy_Table_Button", 108, 364, 100, 27, "Copy &Table"),
                "Copy_Table_ButtonClick", "Copy the whole grid as tab-separated text"),
        MakeLabel("Note_Label", 218, 371, ""),
        close,
    };
    return d;
}

}  // namespace

const FormDescription& PlannerDescription() {
    static const FormDescription description = Build();
    return description;
}

}  // namespace orvanta::forms
