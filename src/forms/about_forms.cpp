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

const FontSpec kTimes{"Times New Roman", -15};
const FontSpec kTimesBold{"Times New Roman", -15, true};
const FontSpec kLinkFont{"Times New Roman", -15, true, true};

ComponentDescription In(GroupOrigin group, ComponentDescription component) {
    component.left += group.left;
    component.top += group.top;
    return component;
}

ComponentDescription Clicks(ComponentDescription component, std::string handler) {
    component.events.push_back({Event::Click, std::move(handler)});
    return component;
}

ComponentDescription Line(std::string name, int top, bool bold) {
    auto line = MakeComponent(ComponentKind::Label, std::move(name), 205, top, 400, 18);
    line.font = bold ? kTimesBold : kTimes;
    return line;
}

ComponentDescription Prompt(std::string name, int top) {
    auto prompt = MakeComponent(ComponentKind::Label, std::move(name), 205, top, 225, 18);
    prompt.alignment = Alignment::Right;
    return prompt;
}

ComponentDescription Link(std::string name, int left, int top, std::string handler) {
    auto link = MakeLabel(std::move(name), left, top, "");
    link.font = kLinkFont;
    link.textColor = Color::Rgb(kBlue);
    return Clicks(link, std::move(handler));
}

ComponentDescription Picture(std::string name, int left, int top, int width, int height, std::string image) {
    auto picture = MakeComponent(ComponentKind::Picture, std::move(name), left, top, width, height);
    picture.image = std::move(image);
    return picture;
}

ComponentDescription RaisedBevel(std::string name, int left, int top, int width, int height) {
    auto bevel = MakeComponent(ComponentKind::Bevel, std::move(name), left, top, width, height);
    bevel.raised = true;
    return bevel;
}

FormDescription BuildAbout() {
    FormDescription d;
    d.className = "TAboutBox";
    d.name = "AboutBox";
    d.caption = "About";
    d.border = BorderStyle::DialogWithoutSystemMenu;
    d.placement = Placement::ScreenCenter;
    d.clientWidth = 622;
    d.clientHeight = 411;
    d.font = kTimes;
    d.keyPreview = true;
    d.activeControl = "OKButton";
    d.events = {{Event::Activate, "FormActivate"}, {Event::KeyDown, "FormKeyDown"}, {Event::Close, "FormClose"}};
    auto& c = d.components;

    c.push_back(In(kUpperGroup, MakeComponent(ComponentKind::GroupBox, "GroupBox1", 0, 0, 615, 77)));
    c.push_back(
        In(kUpperGroup, Clicks(Picture("Tamsor_Logo_Banner_Image", 2, 7, 611, 67, kBannerImage), "WEB_ButtonClick")));

    const GroupOrigin g = kLowerGroup;
    c.push_back(In(g, MakeComponent(ComponentKind::GroupBox, "GroupBox2", 0, 0, 615, 341)));
    c.push_back(In(g, RaisedBevel("Bevel1", 5, 14, 184, 167)));
    c.push_back(In(g, Clicks(Picture("Tamsor_Logo_GIFImage", 12, 16, 173, 165, kLogoImage), "WEB_ButtonClick")));

    auto productName = Line("Product_Name_Label", 15, true);
    productName.caption = "Product Name";
    c.push_back(In(g, productName));
    c.push_back(In(g, Line("Author_and_Date_Label", 44, true)));
    c.push_back(In(g, Line("Developed_Using_Label", 73, false)));
    c.push_back(In(g, Line("Copyright_Label", 102, false)));
    c.push_back(In(g, Line("Software_Status_Label", 131, false)));

    auto donations = MakeComponent(ComponentKind::Label, "PayPal_Donations_Label", 206, 157, 312, 63,
                                   "Please support my efforts and encourage me to keep developing useful software by "
                                   "making a PayPal donation.");
    donations.alignment = Alignment::Center;
    donations.wordWrap = true;
    donations.font = {"Times New Roman", -15, false, true};
    donations.textColor = Color::Rgb(kBlue);
    c.push_back(In(g, Clicks(donations, "PayPal_Donations_LabelClick")));
    c.push_back(In(g, Clicks(Picture("PayPal_Image", 532, 166, 62, 31, kDonateImage), "PayPal_ImageClick")));

    // The addresses are held in the captions of two buttons that activation hides; the link labels
    // take their place and their texts.
    c.push_back(In(g, Prompt("Comments_Label", 230)));
    c.push_back(
        In(g, Clicks(MakeComponent(ComponentKind::Button, "Email_Button", 440, 228, 169, 23), "Email_ButtonClick")));
    c.push_back(In(g, Link("Email_Address_Label", 446, 230, "Email_ButtonClick")));
    c.push_back(In(g, Prompt("WEB_Page_Label", 259)));
    c.push_back(
        In(g, Clicks(MakeComponent(ComponentKind::Button, "WEB_Button", 440, 257, 169, 23), "WEB_ButtonClick")));
    c.push_back(In(g, Link("WEB_Address_Label", 447, 259, "WEB_ButtonClick")));
    auto donationAddress = MakeLabel("PayPal_WEB_Address_Label", 205, 200, "");
    donationAddress.visible = false;
    c.push_back(In(g, donationAddress));

    auto quote = MakeComponent(ComponentKind::Label, "Quote_From_Tamsor_Label", 8, 184, 181, 119);
    quote.alignment = Alignment::Center;
    quote.wordWrap = true;
    c.push_back(In(g, quote));
    auto quotes = MakeComponent(ComponentKind::ListBox, "Quotes_From_Tamsor_ListBox", 8, 184, 181, 119);
    quotes.visible = false;
    quotes.items.assign(kQuotes.begin(), kQuotes.end());
    c.push_back(In(g, quotes));
    c.push_back(In(g, MakeLabel("Label3", 23, 308, "Free System Resources :")));
    c.push_back(In(g, MakeLabel("Free_Resources_Label", 179, 308, "Free %")));

    auto ok = MakeComponent(ComponentKind::Button, "OKButton", 257, 288, 100, 48, "OK");
    ok.font = {"Times New Roman", -19, true};
    ok.isDefault = true;
    ok.image = kOkGlyphImage;
    c.push_back(In(g, Clicks(ok, "OKButtonClick")));

    // The badge's text lies on its picture, so it comes first: it stays above the picture.
    c.push_back(In(g, RaisedBevel("Bevel3", 448, 288, 157, 48)));
    auto madeLabel =
        MakeComponent(ComponentKind::Label, "Australian_Made_Label", 458, 296, 98, 32, "Australian Made Software");
    madeLabel.alignment = Alignment::Center;
    madeLabel.wordWrap = true;
    madeLabel.transparent = true;
    madeLabel.textColor = Color::Rgb(kWhite);
    madeLabel.font = {"Times New Roman", -13, true};
    c.push_back(In(g, Clicks(madeLabel, "WEB_ButtonClick")));
    auto badge = Picture("Australian_Made_Logo", 452, 292, 149, 41, kBadgeImage);
    badge.hint = "Hey, don't poke me there !!";
    c.push_back(In(g, Clicks(badge, "WEB_ButtonClick")));

    d.timers = {{"Quote_Change_Timer", 10000, false, "Quote_Change_TimerTimer"},
                {"Free_Resources_Timer", 500, false, "Free_Resources_TimerTimer"}};
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
    ok.image = kOkGlyphImage;
    d.components.push_back(Clicks(ok, "OKButtonClick"));
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
