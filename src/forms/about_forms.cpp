#include "forms/about_forms.h"

namespace orvanta::forms {

namespace {

// Components inside a group box are placed relative to it, as the layout gives them.
struct GroupOrigin {
    int left;
    int top;
};
constexpr GroupOrigin kUpperGroup{3, -4};
constexpr GroupOrigin kLowerGroup{3, 70};

constexpr FontSpec kTimes{"Times New Roman", -15};
constexpr FontSpec kTimesBold{"Times New Roman", -15, true};
constexpr FontSpec kLinkFont{"Times New Roman", -15, true, true};

constexpr ComponentDescription In(GroupOrigin group, ComponentDescription component) {
    component.left = static_cast<std::int16_t>(component.left + group.left);
    component.top = static_cast<std::int16_t>(component.top + group.top);
    return component;
}

constexpr ComponentDescription Line(std::string_view name, int top, bool bold, std::string_view caption = {}) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = 205,
            .top = static_cast<std::int16_t>(top),
            .width = 400,
            .height = 18,
            .caption = caption,
            .font = bold ? kTimesBold : kTimes};
}

constexpr ComponentDescription Prompt(std::string_view name, int top) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = 205,
            .top = static_cast<std::int16_t>(top),
            .width = 225,
            .height = 18,
            .alignment = Alignment::Right};
}

constexpr ComponentDescription Link(std::string_view name, int left, int top, std::string_view handler) {
    return {.kind = ComponentKind::Label,
            .name = name,
            .left = static_cast<std::int16_t>(left),
            .top = static_cast<std::int16_t>(top),
            .autoSize = true,
            .font = kLinkFont,
            .textColor = Color::Rgb(kBlue),
            .events = {{Event::Click, handler}}};
}

constexpr ComponentDescription kAboutComponents[] = {
    In(kUpperGroup, {.kind = ComponentKind::GroupBox, .name = "GroupBox1", .width = 615, .height = 77}),
    In(kUpperGroup,
       {.kind = ComponentKind::Picture,
        .name = "Tamsor_Logo_Banner_Image",
        .left = 2,
        .top = 7,
        .width = 611,
        .height = 67,
        .image = kBannerImage,
        .events = {{Event::Click, "WEB_ButtonClick"}}}),

    In(kLowerGroup, {.kind = ComponentKind::GroupBox, .name = "GroupBox2", .width = 615, .height = 341}),
    In(kLowerGroup,
       {.kind = ComponentKind::Bevel,
        .name = "Bevel1",
        .left = 5,
        .top = 14,
        .width = 184,
        .height = 167,
        .raised = true}),
    In(kLowerGroup,
       {.kind = ComponentKind::Picture,
        .name = "Tamsor_Logo_GIFImage",
        .left = 12,
        .top = 16,
        .width = 173,
        .height = 165,
        .image = kLogoImage,
        .events = {{Event::Click, "WEB_ButtonClick"}}}),

    In(kLowerGroup, Line("Product_Name_Label", 15, true, "Product Name")),
    In(kLowerGroup, Line("Author_and_Date_Label", 44, true)),
    In(kLowerGroup, Line("Developed_Using_Label", 73, false)),
    In(kLowerGroup, Line("Copyright_Label", 102, false)),
    In(kLowerGroup, Line("Software_Status_Label", 131, false)),

    In(kLowerGroup,
       {.kind = ComponentKind::Label,
        .name = "PayPal_Donations_Label",
        .left = 206,
        .top = 157,
        .width = 312,
        .height = 63,
        .caption = "Please support my efforts and encourage me to keep developing useful software by "
                   "making a PayPal donation.",
        .wordWrap = true,
        .alignment = Alignment::Center,
        .font = {"Times New Roman", -15, false, true},
        .textColor = Color::Rgb(kBlue),
        .events = {{Event::Click, "PayPal_Donations_LabelClick"}}}),
    In(kLowerGroup,
       {.kind = ComponentKind::Picture,
        .name = "PayPal_Image",
        .left = 532,
        .top = 166,
        .width = 62,
        .height = 31,
        .image = kDonateImage,
        .events = {{Event::Click, "PayPal_ImageClick"}}}),

    // Activation hides the two buttons; the link labels take their place and show the addresses.
    In(kLowerGroup, Prompt("Comments_Label", 230)),
    In(kLowerGroup,
       {.kind = ComponentKind::Button,
        .name = "Email_Button",
        .left = 440,
        .top = 228,
        .width = 169,
        .height = 23,
        .events = {{Event::Click, "Email_ButtonClick"}}}),
    In(kLowerGroup, Link("Email_Address_Label", 446, 230, "Email_ButtonClick")),
    In(kLowerGroup, Prompt("WEB_Page_Label", 259)),
    In(kLowerGroup,
       {.kind = ComponentKind::Button,
        .name = "WEB_Button",
        .left = 440,
        .top = 257,
        .width = 169,
        .height = 23,
        .events = {{Event::Click, "WEB_ButtonClick"}}}),
    In(kLowerGroup, Link("WEB_Address_Label", 447, 259, "WEB_ButtonClick")),
    In(kLowerGroup,
       {.kind = ComponentKind::Label,
        .name = "PayPal_WEB_Address_Label",
        .left = 205,
        .top = 200,
        .visible = false,
        .autoSize = true}),

    In(kLowerGroup,
       {.kind = ComponentKind::Label,
        .name = "Quote_From_Tamsor_Label",
        .left = 8,
        .top = 184,
        .width = 181,
        .height = 119,
        .wordWrap = true,
        .alignment = Alignment::Center}),
    In(kLowerGroup,
       {.kind = ComponentKind::ListBox,
        .name = "Quotes_From_Tamsor_ListBox",
        .left = 8,
        .top = 184,
        .width = 181,
        .height = 119,
        .visible = false,
        .items = kQuotes}),
    In(kLowerGroup, MakeLabel("Label3", 23, 308, "Free System Resources :")),
    In(kLowerGroup, MakeLabel("Free_Resources_Label", 179, 308, "Free %")),

    In(kLowerGroup,
       {.kind = ComponentKind::Button,
        .name = "OKButton",
        .left = 257,
        .top = 288,
        .width = 100,
        .height = 48,
        .caption = "OK",
        .isDefault = true,
        .font = {"Times New Roman", -19, true},
        .image = kOkGlyphImage,
        .events = {{Event::Click, "OKButtonClick"}}}),

    // The badge's text lies on its picture, so it comes first: it stays above the picture.
    In(kLowerGroup,
       {.kind = ComponentKind::Bevel,
        .name = "Bevel3",
        .left = 448,
        .top = 288,
        .width = 157,
        .height = 48,
        .raised = true}),
    In(kLowerGroup,
       {.kind = ComponentKind::Label,
        .name = "Australian_Made_Label",
        .left = 458,
        .top = 296,
        .width = 98,
        .height = 32,
        .caption = "Australian Made Software",
        .wordWrap = true,
        .transparent = true,
        .alignment = Alignment::Center,
        .font = {"Times New Roman", -13, true},
        .textColor = Color::Rgb(kWhite),
        .events = {{Event::Click, "WEB_ButtonClick"}}}),
    In(kLowerGroup,
       {.kind = ComponentKind::Picture,
        .name = "Australian_Made_Logo",
        .left = 452,
        .top = 292,
        .width = 149,
        .height = 41,
        .hint = "Hey, don't poke me there !!",
        .image = kBadgeImage,
        .events = {{Event::Click, "WEB_ButtonClick"}}}),
};

constexpr TimerDescription kAboutTimers[] = {{"Quote_Change_Timer", 10000, false, "Quote_Change_TimerTimer"},
                                             {"Free_Resources_Timer", 500, false, "Free_Resources_TimerTimer"}};

constexpr FormDescription kAboutBox{
    .className = "TAboutBox",
    .name = "AboutBox",
    .caption = "About",
    .border = BorderStyle::DialogWithoutSystemMenu,
    .placement = Placement::ScreenCenter,
    .clientWidth = 622,
    .clientHeight = 411,
    .font = kTimes,
    .keyPreview = true,
    .activeControl = "OKButton",
    .components = kAboutComponents,
    .timers = kAboutTimers,
    .events = {{Event::Activate, "FormActivate"}, {Event::KeyDown, "FormKeyDown"}, {Event::Close, "FormClose"}},
};

constexpr ComponentDescription kHelpComponents[] = {
    {.kind = ComponentKind::Panel, .name = "Panel1", .left = 8, .top = 8, .width = 281, .height = 161},
    MakeLabel("Label1", 32, 40, "This program enables you to display"),
    MakeLabel("Label2", 32, 64, "time in the current location, as well as"),
    MakeLabel("Label3", 32, 88, "another location you specify, and"),
    MakeLabel("Label4", 32, 112, "with a time difference you specify."),
    {.kind = ComponentKind::Button,
     .name = "OKButton",
     .left = 111,
     .top = 178,
     .width = 77,
     .height = 27,
     .caption = "OK",
     .isDefault = true,
     .font = {"MS Sans Serif", -11, true},
     .image = kOkGlyphImage,
     .events = {{Event::Click, "OKButtonClick"}}},
};

constexpr FormDescription kHelpBox{
    .className = "THelpBox",
    .name = "HelpBox",
    .caption = "Help ...",
    .border = BorderStyle::Dialog,
    .placement = Placement::ScreenCenter,
    .clientWidth = 298,
    .clientHeight = 213,
    .font = {"MS Sans Serif", -11, true},
    .activeControl = "OKButton",
    .components = kHelpComponents,
};

}  // namespace

const FormDescription& AboutBoxDescription() {
    return kAboutBox;
}

const FormDescription& HelpBoxDescription() {
    return kHelpBox;
}

}  // namespace orvanta::forms
