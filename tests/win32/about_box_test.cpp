#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "about/about_box_win.h"
#include "about/about_texts.h"
#include "app/main_form_win.h"
#include "test_support.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

class AboutBoxTest : public AppTest {
  protected:
    TAboutBox& About() { return app_->AboutBox(); }
    toolkit::Control& Part(const char* name) { return About().Component(name); }
    bool AboutOpen() { return About().Showing(); }
    void OpenAbout(std::vector<ModalStep> steps) {
        ActivateMainForm();
        const auto outcome =
            RunModalScript([this] { app_->MainForm().AboutOptionClick(); }, [this] { return AboutOpen(); },
                           std::move(steps), [this] { About().EndModal(forms::ModalResult::Cancel); });
        EXPECT_TRUE(outcome.finished);
        EXPECT_FALSE(outcome.forcedClosed);
        EXPECT_TRUE(outcome.timedOut.empty());
    }
    bool Running() {
        return About().TimerNamed("Quote_Change_Timer").Enabled() &&
               About().TimerNamed("Free_Resources_Timer").Enabled() && Part("Tamsor_Logo_GIFImage").Animated();
    }
    bool Stopped() {
        return !About().TimerNamed("Quote_Change_Timer").Enabled() &&
               !About().TimerNamed("Free_Resources_Timer").Enabled() && !Part("Tamsor_Logo_GIFImage").Animated();
    }
    // What the window shows over a control for the mouse.
    HCURSOR CursorOver(const char* name) {
        HWND under = Part(name).Handle();
        SetCursor(nullptr);
        // A control that lets the mouse through shows what lies beneath it: here the window.
        if (SendMessageW(under, WM_NCHITTEST, 0, 0) == HTTRANSPARENT) {
            under = About().Handle();
        }
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }
    void Click(const char* name) {
        const HWND control = Part(name).Handle();
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
};

TEST_F(AboutBoxTest, StartUpWritesTheTitleAndTheStoredTexts) {
    StartApp();
    // Made when first asked for, as it is below, not at start.
    EXPECT_EQ(FindWindowW(L"TAboutBox", nullptr), nullptr);
    const AboutTexts texts = About_Box_Texts(2026);
    EXPECT_EQ(About().Caption(), "About Orvanta v2.7f ...");
    EXPECT_EQ(Part("Product_Name_Label").Text(), "Orvanta v2.7f");
    EXPECT_EQ(Part("Author_and_Date_Label").Text(), texts.authorAndDate);
    // The copyright's year is the clock's.
    EXPECT_EQ(Part("Copyright_Label").Text(), texts.copyright);
    EXPECT_TRUE(Part("Copyright_Label").Text().ends_with(" 2026"));
    EXPECT_EQ(Part("Email_Button").Text(), texts.emailAddress);
    EXPECT_EQ(Part("WEB_Button").Text(), texts.webAddress);
    EXPECT_EQ(Part("PayPal_WEB_Address_Label").Text(), texts.donationAddress);
    EXPECT_FALSE(Running());
}

TEST_F(AboutBoxTest, AWindowMadeBeforeTheFirstShowingStillGetsTheStartUpTexts) {
    CreateApp();
    About();
    app_->ShowMainForm();
    EXPECT_EQ(About().Caption(), "About Orvanta v2.7f ...");
    EXPECT_EQ(Part("Copyright_Label").Text(), About_Box_Texts(2026).copyright);
}

TEST_F(AboutBoxTest, ActivationFillsBothLabelsAtOnceStartsTheTimersAndPutsTheLinksInPlace) {
    StartApp();
    // Intervals no test waits for: whatever the labels show came from the activation itself.
    About().TimerNamed("Quote_Change_Timer").SetInterval(600000);
    About().TimerNamed("Free_Resources_Timer").SetInterval(600000);
    // The quotes and the addresses come from the window's own data, not from the hidden windows.
    Part("Quotes_From_Tamsor_ListBox").ClearItems();
    Part("Email_Button").SetText("");
    Part("WEB_Button").SetText("");
    const AboutTexts texts = About_Box_Texts(2026);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    // However wide its label draws, the figure stands after it.
    Part("Label3").SetText("Free System Resources, as the system counts them :");
    OpenAbout({[&] {
                   EXPECT_GT(Part("Free_Resources_Label").Bounds().left, Part("Label3").Bounds().right);
                   const std::string quote = Part("Quote_From_Tamsor_Label").Text();
                   EXPECT_NE(std::find(forms::kQuotes.begin(), forms::kQuotes.end(), quote), forms::kQuotes.end())
                       << quote;
                   EXPECT_TRUE(std::regex_match(Part("Free_Resources_Label").Text(), std::regex(R"(\d{1,3}%)")))
                       << Part("Free_Resources_Label").Text();
                   EXPECT_TRUE(Running());
                   for (const char* button : {"Email_Button", "WEB_Button"}) {
                       EXPECT_FALSE(IsWindowVisible(Part(button).Handle())) << button;
                   }
                   EXPECT_EQ(Part("Email_Button").Hint(), "Click to send an E-Mail to Tamsor.");
                   EXPECT_EQ(Part("WEB_Address_Label").Hint(), "Click to visit Tamsor's WEB Page.");
                   struct Link {
                       const char* label;
                       const char* button;
                       int left;
                       std::string address;
                   };
                   for (const Link& link : {Link{"Email_Address_Label", "Email_Button", 446, texts.emailAddress},
                                            Link{"WEB_Address_Label", "WEB_Button", 447, texts.webAddress}}) {
                       const RECT label = Part(link.label).Bounds();
                       EXPECT_EQ(label.top, Part(link.button).Bounds().top) << link.label;
                       EXPECT_EQ(label.left, About().Scale(3 + link.left)) << link.label;
                       EXPECT_EQ(Part(link.label).Text(), link.address);
                       EXPECT_TRUE(IsWindowVisible(Part(link.label).Handle())) << link.label;
                   }
                   for (const char* name : {"Email_Address_Label", "WEB_Address_Label", "Australian_Made_Logo",
                                            "Australian_Made_Label", "Tamsor_Logo_GIFImage", "Tamsor_Logo_Banner_Image",
                                            "Bevel3", "Bevel1", "PayPal_Donations_Label", "PayPal_Image"}) {
                       EXPECT_EQ(CursorOver(name), hand) << name;
                   }
                   EXPECT_NE(CursorOver("Product_Name_Label"), hand);
                   EXPECT_EQ(GetFocus(), Part("OKButton").Handle());
               },
               [&] { PostMessageW(Part("OKButton").Handle(), BM_CLICK, 0, 0); }});
    EXPECT_FALSE(AboutOpen());
}

// OK, Escape, Enter and Alt+F4 each close the window and stop both timers and the logo; each new
// showing starts them again and fills both labels afresh.
TEST_F(AboutBoxTest, EveryWayOfClosingStopsTheTimersAndTheLogoAndReopeningStartsThemAgain) {
    StartApp();
    const HWND ok = Part("OKButton").Handle();
    struct Way {
        const char* name;
        std::function<void()> close;
    };
    const Way ways[] = {
        {"OK", [&] { PostMessageW(ok, BM_CLICK, 0, 0); }},
        {"Escape", [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"Enter", [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001); }},
        // The context code (bit 29) says that Alt is down.
        {"Alt+F4", [&] { PostMessageW(GetFocus(), WM_SYSKEYDOWN, VK_F4, 0x203E0001); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Part("Quote_From_Tamsor_Label").SetText("");
        Part("Free_Resources_Label").SetText("");
        OpenAbout({[&] {
                       EXPECT_EQ(GetFocus(), ok);
                       EXPECT_TRUE(Running()) << way.name;
                       EXPECT_FALSE(Part("Quote_From_Tamsor_Label").Text().empty()) << way.name;
                       EXPECT_FALSE(Part("Free_Resources_Label").Text().empty()) << way.name;
                   },
                   way.close});
        EXPECT_FALSE(AboutOpen()) << way.name;
        EXPECT_TRUE(Stopped()) << way.name;
        EXPECT_TRUE(IsWindowEnabled(app_->MainForm().Handle())) << way.name;
    }
}

TEST_F(AboutBoxTest, LinksReachTheShellWithTheirExactTargets) {
    shell_.namesOnDisk = {"Orvanta.EXE"};  // the file's own spelling, not the path's
    StartApp();
    const AboutTexts texts = About_Box_Texts(2026);
    const std::string mail = "mailto:" + texts.emailAddress + "?subject=Shareware: Orvanta.EXE";
    struct Case {
        const char* clicked;
        std::string target;  // empty: nothing opens
    };
    const Case cases[] = {
        {"Email_Address_Label", mail},
        {"WEB_Address_Label", texts.webAddress},
        {"Tamsor_Logo_GIFImage", texts.webAddress},
        {"Tamsor_Logo_Banner_Image", texts.webAddress},
        {"Australian_Made_Logo", texts.webAddress},
        {"Australian_Made_Label", texts.webAddress},
        {"PayPal_Donations_Label", texts.donationAddress},
        {"PayPal_Image", texts.donationAddress},
        // The frames show the hand but lead nowhere.
        {"Bevel1", ""},
        {"Bevel3", ""},
    };
    // The targets do not come from the hidden windows that show the addresses.
    for (const char* holder : {"Email_Button", "WEB_Button", "PayPal_WEB_Address_Label"}) {
        Part(holder).SetText("");
    }
    for (const Case& c : cases) {
        shell_.opened.clear();
        OpenAbout({[&] { Click(c.clicked); },
                   ModalStep::WaitUntil([&] { return !c.target.empty() ? !shell_.opened.empty() : true; }),
                   [&] { PostMessageW(Part("OKButton").Handle(), BM_CLICK, 0, 0); }});
        EXPECT_EQ(shell_.opened, c.target.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.target})
            << c.clicked;
    }
}

BOOL CALLBACK CollectTooltips(HWND window, LPARAM found) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

TEST_F(AboutBoxTest, TheBadgeHasARealTooltip) {
    StartApp();
    const HWND badge = Part("Australian_Made_Logo").Handle();  // made here, with its tooltip
    std::vector<HWND> tooltips;
    EnumThreadWindows(GetCurrentThreadId(), &CollectTooltips, reinterpret_cast<LPARAM>(&tooltips));
    HWND tooltip = nullptr;
    for (HWND candidate : tooltips) {
        wchar_t text[128] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = About().Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(badge);
        tool.lpszText = text;
        if (SendMessageW(candidate, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool)) >= 0 &&
            text[0] != L'\0') {
            tooltip = candidate;
            EXPECT_EQ(toolkit::Narrow(text), "Hey, don't poke me there !!");
        }
    }
    EXPECT_NE(tooltip, nullptr);
}

// The badge's words lie on the badge: the transparent label paints the picture beneath it, then
// its white text.
TEST_F(AboutBoxTest, TheBadgesWordsAreWrittenOnTheBadge) {
    StartApp();
    const HWND label = Part("Australian_Made_Label").Handle();
    RECT client{};
    GetClientRect(label, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    int green = 0;
    int white = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = GetPixel(memory, x, y);
            green += GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 20;
            white += GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_GT(green, client.right * client.bottom / 2);
    EXPECT_GT(white, 30);
}

// The program beside this test program holds the stored texts only scrambled, in UTF-8 or UTF-16.
TEST(StoredTextsTest, NoneStandsInPlainSightInTheProgram) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"orvanta.exe";
    const std::string program = ReadFileBytes(path);
    ASSERT_GT(program.size(), 100000u);
    for (const std::string& text : Stored_Texts()) {
        EXPECT_EQ(program.find(text), std::string::npos) << text;
        const std::wstring wide = toolkit::Widen(text);
        const std::string utf16(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
        EXPECT_EQ(program.find(utf16), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace orvanta::testing
