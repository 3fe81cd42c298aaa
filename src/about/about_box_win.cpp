#include "about/about_box_win.h"

#include <ntsecapi.h>

#include <array>

#include "about/about_texts.h"
#include "about/free_resources.h"
#include "app/application_win.h"
#include "core/program_titles.h"
#include "forms/about_forms.h"

namespace orvanta {

using toolkit::Bind;

namespace {

// The link labels stand where the buttons that hold their addresses were.
constexpr struct {
    const char* button;
    const char* label;
    const char* hint;
} kLinks[] = {{"Email_Button", "Email_Address_Label", forms::kEmailHint}, {"WEB_Button", "WEB_Address_Label", forms::kWebHint}};

// Everything that leads somewhere, and the frames around the pictures, show the hand.
constexpr const char* kHandPointed[] = {"Email_Address_Label",
                                        "WEB_Address_Label",
                                        "Australian_Made_Logo",
                                        "Australian_Made_Label",
                                        "Tamsor_Logo_GIFImage",
                                        "Tamsor_Logo_Banner_Image",
                                        "Bevel3",
                                        "Bevel1",
                                        "PayPal_Donations_Label",
                                        "PayPal_Image"};

// A fresh seed from the system's random source: this runtime's std::random_device falls back to a
// fixed sequence on processors without a random instruction.
std::array<std::uint32_t, 4> EntropyWords() {
    std::array<std::uint32_t, 4> words{};
    if (!RtlGenRandom(words.data(), sizeof(words))) {
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        words = {static_cast<std::uint32_t>(counter.LowPart), static_cast<std::uint32_t>(counter.HighPart),
                 GetCurrentProcessId(), GetTickCount()};
    }
    return words;
}

}  // namespace

TAboutBox::TAboutBox(OrvantaApp& app, HWND owner) : Form(forms::AboutBoxDescription()), app_(app) {
    Create(
        {
            {"FormActivate", Bind(this, &TAboutBox::FormActivate)},
            {"FormKeyDown", Bind(this, &TAboutBox::FormKeyDown)},
            {"FormClose", Bind(this, &TAboutBox::FormClose)},
            {"OKButtonClick", Bind(this, &TAboutBox::OKButtonClick)},
            {"Quote_Change_TimerTimer", Bind(this, &TAboutBox::Quote_Change_TimerTimer)},
            {"Free_Resources_TimerTimer", Bind(this, &TAboutBox::Free_Resources_TimerTimer)},
            {"Email_ButtonClick", Bind(this, &TAboutBox::Email_ButtonClick)},
            {"WEB_ButtonClick", Bind(this, &TAboutBox::WEB_ButtonClick)},
            {"PayPal_Donations_LabelClick", Bind(this, &TAboutBox::PayPal_Donations_LabelClick)},
            {"PayPal_ImageClick", Bind(this, &TAboutBox::PayPal_ImageClick)},
        },
        owner);
}

void TAboutBox::Set_Startup_Texts(int currentYear) {
    const AboutTexts texts = About_Box_Texts(currentYear);
    SetCaption(kAboutTitle);
    Component("Product_Name_Label").SetText(kProgramTitle);
    Component("Author_and_Date_Label").SetText(texts.authorAndDate);
    Component("Developed_Using_Label").SetText(texts.developedUsing);
    Component("Copyright_Label").SetText(texts.copyright);
    Component("Software_Status_Label").SetText(texts.softwareStatus);
    Component("Comments_Label").SetText(texts.comments);
    Component("WEB_Page_Label").SetText(texts.webPage);
    Component("Email_Button").SetText(texts.emailAddress);
    Component("WEB_Button").SetText(texts.webAddress);
    Component("PayPal_WEB_Address_Label").SetText(texts.donationAddress);
}

void TAboutBox::FormActivate() {
    const auto words = EntropyWords();
    std::seed_seq seed(words.begin(), words.end());
    random_.seed(seed);
    TimerNamed("Quote_Change_Timer").SetEnabled(true);
    TimerNamed("Free_Resources_Timer").SetEnabled(true);
    Component("Tamsor_Logo_GIFImage").SetAnimated(true);
    // Both show something at once, not only after their first interval.
    Quote_Change_TimerTimer();
    Free_Resources_TimerTimer();
    for (const auto& link : kLinks) {
        auto& button = Component(link.button);
        auto& label = Component(link.label);
        button.SetHint(link.hint);
        button.SetVisible(false);
        // The hint goes along as data only: the labels have no tooltip.
        label.SetHint(button.Hint());
        label.SetTop(button.Bounds().top);
        label.SetText(button.Text());
    }
    for (const char* name : kHandPointed) {
        Component(name).SetCursor(toolkit::Cursor::HandPoint);
    }
    Component("Bevel3").SendToBack();
    Component("Bevel1").SendToBack();
}

void TAboutBox::Quote_Change_TimerTimer() {
    const auto& quotes = Component("Quotes_From_Tamsor_ListBox");
    const int count = quotes.ItemCount();
    if (count == 0) {
        return;
    }
    // Uniform over the quotes; the same one may come twice in a row.
    std::uniform_int_distribution<int> pick(0, count - 1);
    Component("Quote_From_Tamsor_Label").SetText(quotes.Item(pick(random_)));
}

void TAboutBox::Free_Resources_TimerTimer() {
    // The extended status: the older call caps every figure at 2 or 4 GB.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status)) {
        return;
    }
    const auto percent = Free_Resources_Percent(
        {status.ullAvailPhys, status.ullAvailPageFile, status.ullTotalPhys, status.ullTotalPageFile});
    if (percent) {
        Component("Free_Resources_Label").SetText(*percent);
    }
}

void TAboutBox::Stop_Timers_And_Animation() {
    TimerNamed("Quote_Change_Timer").SetEnabled(false);
    TimerNamed("Free_Resources_Timer").SetEnabled(false);
    Component("Tamsor_Logo_GIFImage").SetAnimated(false);
}

void TAboutBox::Close_About_Box() {
    Stop_Timers_And_Animation();
    EndModal(forms::ModalResult::Ok);
}

void TAboutBox::OKButtonClick() {
    Close_About_Box();
}

void TAboutBox::FormKeyDown(toolkit::EventArgs& args) {
    if (args.key == VK_ESCAPE) {
        Close_About_Box();
    }
}

// Alt+F4, or anything else that ends the window's showing, stops them as OK does.
void TAboutBox::FormClose() {
    Stop_Timers_And_Animation();
}

void TAboutBox::Email_ButtonClick() {
    Shell& shell = app_.ShellPort();
    Shell_Open(shell, Email_Target(Component("Email_Button").Text(), shell.NameOnDisk(app_.Ports().executablePath)));
}

void TAboutBox::WEB_ButtonClick() {
    Shell_Open(app_.ShellPort(), Component("WEB_Button").Text());
}

void TAboutBox::PayPal_Donations_LabelClick() {
    Shell_Open(app_.ShellPort(), Component("PayPal_WEB_Address_Label").Text());
}

void TAboutBox::PayPal_ImageClick() {
    PayPal_Donations_LabelClick();
}

THelpBox::THelpBox(OrvantaApp&, HWND owner) : Form(forms::HelpBoxDescription()) {
    Create({{"OKButtonClick", Bind(this, &THelpBox::OKButtonClick)}}, owner);
}

void THelpBox::OKButtonClick() {
    EndModal(forms::ModalResult::Ok);
}

}  // namespace orvanta
