#include "about/about_box_win.h"

#include <ntsecapi.h>

#include <algorithm>
#include <array>
#include <bit>

#include "about/about_texts.h"
#include "about/free_resources.h"
#include "core/program_titles.h"
#include "forms/about_forms.h"

namespace orvanta {

namespace {

// Between a label and the figure it names, in pixels at 96 DPI.
constexpr int kLabelGap = 4;

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

// The handlers its form description names, as constant data.
constexpr toolkit::HandlerEntry<TAboutBox> kTAboutBoxHandlers[] = {
    {"FormActivate", &TAboutBox::FormActivate},
    {"FormKeyDown", &TAboutBox::FormKeyDown},
    {"FormClose", &TAboutBox::FormClose},
    {"OKButtonClick", &TAboutBox::OKButtonClick},
    {"Quote_Change_TimerTimer", &TAboutBox::Quote_Change_TimerTimer},
    {"Free_Resources_TimerTimer", &TAboutBox::Free_Resources_TimerTimer},
    {"Email_ButtonClick", &TAboutBox::Email_ButtonClick},
    {"WEB_ButtonClick", &TAboutBox::WEB_ButtonClick},
    {"PayPal_Donations_LabelClick", &TAboutBox::PayPal_Donations_LabelClick},
    {"PayPal_ImageClick", &TAboutBox::PayPal_ImageClick},
};

TAboutBox::TAboutBox(Shell& shell, std::string executablePath, HWND owner)
    : Form(forms::AboutBoxDescription()), shell_(shell), executablePath_(std::move(executablePath)) {
    Create(toolkit::HandlersOf(this, kTAboutBoxHandlers), owner);
    BindComponents({
        {"Product_Name_Label", &Product_Name_Label},
        {"Author_and_Date_Label", &Author_and_Date_Label},
        {"Developed_Using_Label", &Developed_Using_Label},
        {"Copyright_Label", &Copyright_Label},
        {"Software_Status_Label", &Software_Status_Label},
        {"Comments_Label", &Comments_Label},
        {"WEB_Page_Label", &WEB_Page_Label},
        {"Email_Button", &Email_Button},
        {"Email_Address_Label", &Email_Address_Label},
        {"WEB_Button", &WEB_Button},
        {"WEB_Address_Label", &WEB_Address_Label},
        {"PayPal_WEB_Address_Label", &PayPal_WEB_Address_Label},
        {"PayPal_Donations_Label", &PayPal_Donations_Label},
        {"PayPal_Image", &PayPal_Image},
        {"Tamsor_Logo_GIFImage", &Tamsor_Logo_GIFImage},
        {"Tamsor_Logo_Banner_Image", &Tamsor_Logo_Banner_Image},
        {"Australian_Made_Logo", &Australian_Made_Logo},
        {"Australian_Made_Label", &Australian_Made_Label},
        {"Bevel1", &Bevel1},
        {"Bevel3", &Bevel3},
        {"Quote_From_Tamsor_Label", &Quote_From_Tamsor_Label},
        {"Label3", &Label3},
        {"Free_Resources_Label", &Free_Resources_Label},
    });
}

void TAboutBox::Set_Startup_Texts(int currentYear) {
    const AboutTexts texts = About_Box_Texts(currentYear);
    emailAddress_ = texts.emailAddress;
    webAddress_ = texts.webAddress;
    donationAddress_ = texts.donationAddress;
    SetCaption(kAboutTitle);
    Product_Name_Label->SetText(kProgramTitle);
    Author_and_Date_Label->SetText(texts.authorAndDate);
    Developed_Using_Label->SetText(texts.developedUsing);
    Copyright_Label->SetText(texts.copyright);
    Software_Status_Label->SetText(texts.softwareStatus);
    Comments_Label->SetText(texts.comments);
    WEB_Page_Label->SetText(texts.webPage);
    Email_Button->SetText(texts.emailAddress);
    WEB_Button->SetText(texts.webAddress);
    PayPal_WEB_Address_Label->SetText(texts.donationAddress);
}

void TAboutBox::FormActivate() {
    random_ = EntropyWords();
    if (random_ == std::array<std::uint32_t, 4>{}) {
        random_[0] = 1;  // the one state the generator never leaves
    }
    // The figure stands after its label, however wide the label's face draws it at this resolution.
    Free_Resources_Label->SetLeft(
        std::max<int>(Scale(Free_Resources_Label->Description().left), Label3->Bounds().right + Scale(kLabelGap)));
    TimerNamed("Quote_Change_Timer").SetEnabled(true);
    TimerNamed("Free_Resources_Timer").SetEnabled(true);
    Tamsor_Logo_GIFImage->SetAnimated(true);
    // Both show something at once, not only after their first interval.
    Quote_Change_TimerTimer();
    Free_Resources_TimerTimer();
    // The link labels take the places of the buttons and show the addresses.
    const struct {
        toolkit::Control* button;
        toolkit::Control* label;
        const std::string& address;
        const char* hint;
    } links[] = {{Email_Button, Email_Address_Label, emailAddress_, forms::kEmailHint},
                 {WEB_Button, WEB_Address_Label, webAddress_, forms::kWebHint}};
    for (const auto& link : links) {
        link.button->SetHint(link.hint);
        link.button->SetVisible(false);
        // The hint goes along as data only: the labels have no tooltip.
        link.label->SetHint(link.hint);
        link.label->SetTop(link.button->Bounds().top);
        link.label->SetText(link.address);
    }
    // Everything that leads somewhere, and the frames around the pictures, show the hand.
    for (toolkit::Control* pointed :
         {Email_Address_Label, WEB_Address_Label, Australian_Made_Logo, Australian_Made_Label, Tamsor_Logo_GIFImage,
          Tamsor_Logo_Banner_Image, Bevel3, Bevel1, PayPal_Donations_Label, PayPal_Image}) {
        pointed->SetCursor(toolkit::Cursor::HandPoint);
    }
    Bevel3->SendToBack();
    Bevel1->SendToBack();
}

void TAboutBox::Quote_Change_TimerTimer() {
    // Uniform over the quotes; the same one may come twice in a row.
    const int quote = RandomBelow(static_cast<int>(forms::kQuotes.size()));
    Quote_From_Tamsor_Label->SetText(forms::kQuotes[static_cast<std::size_t>(quote)]);
}

int TAboutBox::RandomBelow(int count) {
    const auto bound = static_cast<std::uint32_t>(count);
    // Draws below this threshold are dropped, so that every remainder is equally likely.
    const std::uint32_t threshold = (0u - bound) % bound;
    for (;;) {
        auto& s = random_;
        const std::uint32_t result = std::rotl(s[1] * 5u, 7) * 9u;
        const std::uint32_t t = s[1] << 9;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = std::rotl(s[3], 11);
        if (result >= threshold) {
            return static_cast<int>(result % bound);
        }
    }
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
        Free_Resources_Label->SetText(*percent);
    }
}

void TAboutBox::Stop_Timers_And_Animation() {
    TimerNamed("Quote_Change_Timer").SetEnabled(false);
    TimerNamed("Free_Resources_Timer").SetEnabled(false);
    Tamsor_Logo_GIFImage->SetAnimated(false);
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
    Shell_Open(shell_, Email_Target(emailAddress_, shell_.NameOnDisk(executablePath_)));
}

void TAboutBox::WEB_ButtonClick() {
    Shell_Open(shell_, webAddress_);
}

void TAboutBox::PayPal_Donations_LabelClick() {
    Shell_Open(shell_, donationAddress_);
}

void TAboutBox::PayPal_ImageClick() {
    PayPal_Donations_LabelClick();
}

constexpr toolkit::HandlerEntry<THelpBox> kTHelpBoxHandlers[] = {{"OKButtonClick", &THelpBox::OKButtonClick}};

THelpBox::THelpBox(HWND owner) : Form(forms::HelpBoxDescription()) {
    Create(toolkit::HandlersOf(this, kTHelpBoxHandlers), owner);
    SetCaption(kHelpTitle);
}

void THelpBox::OKButtonClick() {
    EndModal(forms::ModalResult::Ok);
}

}  // namespace orvanta
