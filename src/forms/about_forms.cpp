#include "forms/about_forms.h"

namespace orvanta::forms {

namespace {

FormDescription BuildAbout() {
    FormDescription d;
    d.className = "TAboutBox";
    d.name = "AboutBox";
    d.caption = "About";
    d.border = BorderStyle::DialogWithoutSystemMenu;
    d.placement = Placement::ScreenCenter;
    d.clientWidth = 622;
    d.clientHeight = 411;
    d.font = {"Times New Roman", -15};
    d.activeControl = "OKButton";

    d.components.push_back(MakeComponent(ComponentKind::GroupBox, "GroupBox2", 3, 70, 615, 341));
    auto product = MakeComponent(ComponentKind::Label, "Product_Name_Label", 205, 15 + 70, 400, 18, "Product Name");
    product.font = {"Times New Roman", -15, true};
    d.components.push_back(product);
    auto ok = MakeComponent(ComponentKind::Button, "OKButton", 257, 288 + 70, 100, 48, "OK");
    ok.font = {"Times New Roman", -19, true};
    ok.isDefault = true;
    ok.modalResult = ModalResult::Ok;
    d.components.push_back(ok);
    return d;
}

FormDescription BuildHelp() {
    FormDescription d;
    d.className = "THelpBox";
    d.name = "HelpBox";
    d.caption = "Help ...";
    d.border = BorderStyle::Dialog;
    d.placement = Placement::ScreenCenter;
    d.clientWidth = 298;
    d.clientHeight = 213;
    d.font = {"MS Sans Serif", -11, true};
    d.activeControl = "OKButton";

    d.components.push_back(MakeComponent(ComponentKind::Panel, "Panel1", 8, 8, 281, 161));
    const char* lines[] = {"This program enables you to display", "time in the current location, as well as",
                           "another location you specify, and", "with a time difference you specify."};
    int top = 8 + 32;
    int number = 1;
    for (const char* line : lines) {
        d.components.push_back(MakeLabel("Label" + std::to_string(number++), 8 + 24, top, line));
        top += 24;
    }
    auto ok = MakeComponent(ComponentKind::Button, "OKButton", 111, 178, 77, 27, "OK");
    ok.font = {"MS Sans Serif", -11, true};
    ok.isDefault = true;
    ok.modalResult = ModalResult::Ok;
    d.components.push_back(ok);
    return d;
}

}  // namespace

const FormDescription& AboutBoxDescription() {
    static const FormDescription description = BuildAbout();
    return description;
}

const FormDescription& HelpBoxDescription() {
    static const FormDescription description = BuildHelp();
    return description;
}

}  // namespace orvanta::forms
