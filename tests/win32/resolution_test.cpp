// The forms at the screen's resolution and after a move to another one. The At144Dpi tests run in
// a prefix of their own set to 144 DPI (ctest's "dpi144" entry sets ORVANTA_EXPECT_DPI); in the
// ordinary prefix they are skipped. AtAnyDpi tests run in both.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "about/about_box_win.h"
#include "app/main_form_win.h"
#include "forms/main_form.h"
#include "settings/options_setup_win.h"
#include "test_support.h"
#include "timetable/time_table_win.h"
#include "toolkit/fonts.h"
#include "toolkit/win_text.h"

namespace orvanta::testing {
namespace {

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

TEXTMETRICW MetricsOf(HFONT font) {
    toolkit::WindowDc screen(nullptr);
    toolkit::SelectedObject selected(screen.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics;
}

int WidthOf(HFONT font, const std::wstring& text) {
    toolkit::WindowDc screen(nullptr);
    toolkit::SelectedObject selected(screen.Get(), font);
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT BoundsIn(HWND form, HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

class AtAnyDpi : public AppTest {
  protected:
    std::vector<toolkit::Form*> Forms() {
        return {&app_->MainForm(), &app_->OptionsSetup(), &app_->AboutBox(), &app_->HelpBox(), &app_->TimeTable()};
    }
};

class At144Dpi : public AtAnyDpi {
  protected:
    void SetUp() override {
        const char* expected = std::getenv("ORVANTA_EXPECT_DPI");
        if (expected == nullptr) {
            GTEST_SKIP() << "runs in the 144-DPI prefix";
        }
        ASSERT_EQ(toolkit::ScreenDpi(), std::atoi(expected));
    }
};

TEST_F(AtAnyDpi, EveryBoldTextIsDrawnBold) {
    CreateApp();
    for (toolkit::Form* form : Forms()) {
        int boldTexts = 0;
        for (const auto& component : form->Description().components) {
            const forms::FontSpec& font = component.font.InheritsFormFont() ? form->Description().font : component.font;
            if (!font.bold) {
                continue;
            }
            HFONT drawn = FontOf(form->Component(component.name).Handle());
            if (drawn == nullptr) {
                continue;  // draws no text: bevels, spin buttons
            }
            LOGFONTW regular{};
            GetObjectW(drawn, sizeof(regular), &regular);
            regular.lfWeight = FW_NORMAL;
            toolkit::UniqueFont regularFont(CreateFontIndirectW(&regular));
            const std::wstring sample = L"Other Locations 12:34";
            EXPECT_GT(WidthOf(drawn, sample), WidthOf(regularFont.Get(), sample))
                << form->Description().className << "." << component.name;
            if (form->Scale(96) != 96) {
                EXPECT_TRUE(toolkit::IsScalable(drawn)) << form->Description().className << "." << component.name;
            }
            ++boldTexts;
        }
        EXPECT_GT(boldTexts, 0) << form->Description().className;
    }
}

// Painted with its hyphens joined: across the label, one row of ink runs most of its width, and
// the arrow ends before the list begins.
TEST_F(AtAnyDpi, TheArrowBesideAddToListIsOneLargeArrowClearOfTheList) {
    CreateApp();
    auto& dialog = app_->OptionsSetup();
    HWND arrow = dialog.Component("Label10").Handle();
    const RECT bounds = BoundsIn(dialog.Handle(), arrow);
    const RECT list = BoundsIn(dialog.Handle(), dialog.Component("Other_Locations_ListBox").Handle());
    EXPECT_LE(bounds.right, list.left);
    EXPECT_GE(bounds.bottom - bounds.top, dialog.Scale(35));

    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    toolkit::WindowDc screen(nullptr);
    HDC memory = CreateCompatibleDC(screen.Get());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageW(arrow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF background = GetPixel(memory, width - 1, 0);
    int longestRun = 0;
    for (int y = 0; y < height; ++y) {
        int run = 0;
        for (int x = 0; x < width; ++x) {
            run = GetPixel(memory, x, y) == background ? 0 : run + 1;
            longestRun = std::max(longestRun, run);
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EXPECT_GE(longestRun, width * 2 / 3) << "the shaft breaks up";
    EXPECT_EQ(dialog.Component("Label10").Text(), "-->");
}

// Wine never sends WM_DPICHANGED: sent here, as Windows sends it when a form moves to a screen of
// 144 DPI, with the rectangle the system suggests.
TEST_F(AtAnyDpi, AFormMovedToAnotherResolutionRescalesItsComponentsAndFonts) {
    StartApp();
    struct Probe {
        toolkit::Form* form;
        const char* component;
        bool hasText;
    };
    const std::string firstTime = std::string(forms::kRowTimePrefix) + "0";
    for (const Probe& probe :
         {Probe{&app_->MainForm(), firstTime.c_str(), true}, Probe{&app_->OptionsSetup(), "Add_to_List_Button", true},
          Probe{&app_->OptionsSetup(), "Housrs_Diff_SpinButton", false}}) {
        toolkit::Form& form = *probe.form;
        const int dpi = form.Scale(96);
        HWND control = form.Component(probe.component).Handle();
        const RECT before = BoundsIn(form.Handle(), control);
        const TEXTMETRICW fontBefore = MetricsOf(FontOf(control));
        RECT suggested{};
        GetWindowRect(form.Handle(), &suggested);
        suggested.right += (suggested.right - suggested.left) / 2;
        suggested.bottom += (suggested.bottom - suggested.top) / 2;
        const int newDpi = dpi * 3 / 2;
        SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));

        RECT frame{};
        GetWindowRect(form.Handle(), &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested)) << probe.component;
        const RECT after = BoundsIn(form.Handle(), control);
        EXPECT_NEAR(after.left, before.left * 3 / 2, 1) << probe.component;
        EXPECT_NEAR(after.top, before.top * 3 / 2, 1) << probe.component;
        EXPECT_NEAR(after.bottom - after.top, (before.bottom - before.top) * 3 / 2, 2) << probe.component;
        const TEXTMETRICW fontAfter = MetricsOf(FontOf(control));
        if (probe.hasText) {
            EXPECT_NEAR(fontAfter.tmHeight - fontAfter.tmInternalLeading,
                        (fontBefore.tmHeight - fontBefore.tmInternalLeading) * 3 / 2, 2)
                << probe.component;
        }
        EXPECT_EQ(form.Scale(96), newDpi);
    }
}

TEST_F(At144Dpi, TheGridAndTheCopyButtonTextsGrowByHalf) {
    CreateApp();
    auto& table = app_->TimeTable();
    for (const char* name : {"Time_Comparison_StringGrid", "Copy_Time_Table_to_Clipboard_Button"}) {
        const auto& control = table.Component(name);
        const forms::FontSpec& designed =
            control.Description().font.InheritsFormFont() ? table.Description().font : control.Description().font;
        const toolkit::UniqueFont at96 = toolkit::CreateScaledFont(designed, 96);
        EXPECT_NEAR(MetricsOf(FontOf(control.Handle())).tmHeight, MetricsOf(at96.Get()).tmHeight * 3 / 2, 1) << name;
    }
}

TEST_F(At144Dpi, TheSpinButtonIsThirtyByThirtyEight) {
    CreateApp();
    auto& dialog = app_->OptionsSetup();
    const RECT spin = BoundsIn(dialog.Handle(), dialog.Component("Housrs_Diff_SpinButton").Handle());
    EXPECT_EQ(spin.right - spin.left, 30);
    EXPECT_EQ(spin.bottom - spin.top, 38);
}

// A first run widens the factory window until its first row shows whole, in a long time format too;
// a width the settings file holds stays as it is.
TEST_F(AtAnyDpi, AFirstRunShowsItsFirstRowWholeAndAStoredWidthStays) {
    formats_.clock24Hour = false;
    formats_.hourLeadingZero = true;
    formats_.pmDesignator = "PM";
    for (const bool stored : {false, true}) {
        SCOPED_TRACE(stored ? "stored width" : "first run");
        if (stored) {
            WriteFileBytes(IniPath(), "[orvanta]\r\nwindow_ClientWidth=240\r\n");
        }
        StartApp();
        WaitForFirstTick();
        auto& main = app_->MainForm();
        ASSERT_EQ(main.Component("Other_Location_Time_0").Text(), " 01:20:05 PM ");
        RECT client{};
        GetClientRect(main.Handle(), &client);
        const RECT time = BoundsIn(main.Handle(), main.Component("Other_Location_Time_0").Handle());
        EXPECT_LE(time.bottom, client.bottom);
        EXPECT_EQ(client.right, stored ? main.Scale(240) : std::max<LONG>(main.Scale(240), time.right + main.Scale(8)));
        app_.reset();
    }
}

// The file keeps 96-DPI units: the window opens half as large again, and what is written back is
// what a 96-DPI screen reads.
TEST_F(At144Dpi, TheSettingsFileKeepsTheWindowInUnitsOfNinetySixDpi) {
    WriteFileBytes(IniPath(),
                   "[orvanta]\r\nwindow_top_posn=150\r\nwindow_left_posn=120\r\nwindow_ClientWidth=300\r\n"
                   "window_ClientHeight=140\r\n");
    StartApp();
    auto& main = app_->MainForm();
    EXPECT_EQ(main.WindowBounds().left, 180);
    EXPECT_EQ(main.WindowBounds().top, 225);
    EXPECT_EQ(main.ClientSize().cx, 450);
    EXPECT_EQ(main.ClientSize().cy, 210);
    SendMessageW(main.Handle(), WM_CLOSE, 0, 0);
    PumpPending();
    const std::wstring ini = toolkit::Widen(IniPath());
    for (const auto& [key, value] :
         {std::pair{L"window_top_posn", L"150"}, std::pair{L"window_left_posn", L"120"},
          std::pair{L"window_ClientWidth", L"300"}, std::pair{L"window_ClientHeight", L"140"}}) {
        wchar_t written[32] = {};
        GetPrivateProfileStringW(L"orvanta", key, L"", written, 32, ini.c_str());
        EXPECT_STREQ(written, value) << toolkit::Narrow(key);
    }
}

}  // namespace
}  // namespace orvanta::testing
