#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "forms/about_forms.h"
#include "test_support.h"
#include "toolkit/picture.h"

namespace orvanta::testing {
namespace {

using toolkit::PictureView;

// Each picture of the about window names a drawing of the program's own.
TEST(PictureTest, EveryPictureOfTheAboutWindowIsOneOfTheProgramsDrawings) {
    int pictures = 0;
    for (const auto& component : forms::AboutBoxDescription().components) {
        if (component.kind == forms::ComponentKind::Picture) {
            EXPECT_NE(toolkit::DrawingNamed(component.image), nullptr) << component.name;
            ++pictures;
        }
    }
    EXPECT_EQ(pictures, 4);
    EXPECT_EQ(toolkit::DrawingNamed("NO_SUCH_PICTURE"), nullptr);
}

class PictureViewTest : public ::testing::Test {
  protected:
    PictureViewTest() {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr, nullptr, nullptr);
    }
    ~PictureViewTest() override { DestroyWindow(parent_); }

    HWND MakeControl(int width, int height) {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 0, width, height, parent_,
                               nullptr, nullptr, nullptr);
    }
    // What the picture paints, read back pixel by pixel.
    std::vector<COLORREF> Painted(const PictureView& view, int width, int height) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        view.PaintUnder(memory, {0, 0});
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels.push_back(GetPixel(memory, x, y));
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return pixels;
    }

    HWND parent_ = nullptr;
};

TEST_F(PictureViewTest, TheAnimationAdvancesWhileOnAndStaysWhenOff) {
    const HWND control = MakeControl(173, 165);
    PictureView view(control, forms::kLogoImage);
    ASSERT_TRUE(view.HasDrawing());
    EXPECT_EQ(view.FrameCount(), 8);
    std::set<int> seen{view.CurrentFrame()};
    view.SetAnimated(true);
    // Round the loop and back to the start.
    EXPECT_TRUE(PumpUntil([&] {
        seen.insert(view.CurrentFrame());
        return seen.size() == 8 && view.CurrentFrame() == 0;
    }));
    view.SetAnimated(false);
    const int stopped = view.CurrentFrame();
    EXPECT_FALSE(PumpUntil([&] { return view.CurrentFrame() != stopped; }, 400));
}

// Drawn to any size with the edges painted and smooth, its words written on it.
TEST_F(PictureViewTest, AStillPictureFillsItsBoundsSmoothlyWithItsWordsOnIt) {
    const int width = 300;
    const int height = 70;
    const HWND control = MakeControl(width, height);
    PictureView view(control, forms::kDonateImage);
    ASSERT_TRUE(view.HasDrawing());
    const auto pixels = Painted(view, width, height);
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    // The middle of each edge lies inside the rounded button.
    for (const auto& [x, y] :
         {std::pair{width / 2, 0}, {width / 2, height - 1}, {0, height / 2}, {width - 1, height / 2}}) {
        EXPECT_NE(pixels[static_cast<std::size_t>(y * width + x)], background) << x << "," << y;
    }
    const std::set<COLORREF> colours(pixels.begin(), pixels.end());
    EXPECT_GT(colours.size(), 100u);
    // The word is dark on the gold.
    const auto dark = std::count_if(pixels.begin(), pixels.end(),
                                    [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; });
    EXPECT_GT(dark, 300);
}

TEST_F(PictureViewTest, ANameThatIsNoDrawingShowsTheBackground) {
    const HWND control = MakeControl(40, 20);
    PictureView view(control, "NO_SUCH_PICTURE");
    EXPECT_FALSE(view.HasDrawing());
    view.SetAnimated(true);
    const auto pixels = Painted(view, 40, 20);
    EXPECT_EQ(std::set<COLORREF>(pixels.begin(), pixels.end()), std::set<COLORREF>{GetSysColor(COLOR_BTNFACE)});
}

}  // namespace
}  // namespace orvanta::testing
